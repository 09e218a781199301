// The values of frmMain::mode: which screen or game phase is running.
#pragma once

constexpr int modeBoard = 0;
constexpr int modeQuestion1 = 1;
constexpr int modeQuestion2 = 2;
constexpr int modeWinner = 3;
constexpr int modeMenu = 4;
constexpr int modeHelpSettings = 5;

// States of an answer option, the third argument of frmMain::DrawVar.
constexpr int optionNormal = 0;
constexpr int optionHover = 1;
constexpr int optionWrong = 2;
constexpr int optionRight = 3;
constexpr int optionClear = 4;
