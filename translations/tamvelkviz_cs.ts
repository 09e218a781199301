<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>QuestionPanel</name>
    <message>
        <source>Time's up!</source>
        <translation>Čas vypršel!</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>1st player name:</source>
        <translation>Jméno 1. hráče:</translation>
    </message>
    <message>
        <source>2nd player name:</source>
        <translation>Jméno 2. hráče:</translation>
    </message>
    <message>
        <source>Base of the time limit:</source>
        <translation>Základ časového limitu:</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Who plays (1st, 2nd):</source>
        <translation>Kdo hraje (1., 2.):</translation>
    </message>
    <message>
        <source>Sound effects:</source>
        <translation>Zvukové efekty:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Hudba:</translation>
    </message>
    <message>
        <source>Fullscreen:</source>
        <translation>Přes celou obrazovku:</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>celá obrazovka</translation>
    </message>
    <message>
        <source>window size</source>
        <translation>velikost okna</translation>
    </message>
    <message>
        <source>back to the menu</source>
        <translation>zpět do menu</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>konec</translation>
    </message>
    <message>
        <source>(real time limit depends on the length of the question)</source>
        <translation>(skutečný časový limit je závislý na délce otázky)</translation>
    </message>
    <message>
        <source>Computer (easy)</source>
        <translation>Počítač (lehký)</translation>
    </message>
    <message>
        <source>Computer (medium)</source>
        <translation>Počítač (střední)</translation>
    </message>
    <message>
        <source>Computer (hard)</source>
        <translation>Počítač (těžký)</translation>
    </message>
    <message>
        <source>PC – easy</source>
        <translation>PC – lehký</translation>
    </message>
    <message>
        <source>PC – medium</source>
        <translation>PC – střední</translation>
    </message>
    <message>
        <source>PC – hard</source>
        <translation>PC – těžký</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Člověk</translation>
    </message>
</context>
<context>
    <name>SetupScreen</name>
    <message>
        <source>Easy</source>
        <translation>Lehké</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Smíšené</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Těžké</translation>
    </message>
    <message>
        <source>This set cannot be read: %1</source>
        <translation>Tuto sadu nelze načíst: %1</translation>
    </message>
    <message>
        <source>This set has no questions in English.</source>
        <translation>Tato sada nemá žádné otázky v češtině.</translation>
    </message>
    <message>
        <source>Choose at least one topic.</source>
        <translation>Zvolte aspoň jedno téma.</translation>
    </message>
    <message>
        <source>These topics have no questions at this difficulty.</source>
        <translation>Těchto témat v této obtížnosti tu není žádná otázka.</translation>
    </message>
    <message>
        <source>Only 1 question: it may repeat in a game.</source>
        <translation>Jen 1 otázka: během hry se může opakovat.</translation>
    </message>
    <message numerus="yes">
        <source>Only %n questions: they may repeat in a game.</source>
        <translation><numerusform>Jen %n otázka: během hry se může opakovat.</numerusform><numerusform>Jen %n otázky: během hry se mohou opakovat.</numerusform><numerusform>Jen %n otázek: během hry se mohou opakovat.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>In play: %n questions</source>
        <translation><numerusform>Ve hře: %n otázka</numerusform><numerusform>Ve hře: %n otázky</numerusform><numerusform>Ve hře: %n otázek</numerusform></translation>
    </message>
    <message>
        <source>All the game's questions</source>
        <translation>Všechny otázky hry</translation>
    </message>
    <message>
        <source>All topics</source>
        <translation>Všechna témata</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Hrát</translation>
    </message>
    <message>
        <source>What shall we play?</source>
        <translation>Co budeme hrát?</translation>
    </message>
    <message>
        <source>Question set</source>
        <translation>Sada otázek</translation>
    </message>
    <message>
        <source>Topics (questions in each)</source>
        <translation>Témata (počet otázek)</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Obtížnost</translation>
    </message>
    <message>
        <source>start</source>
        <translation>hrát</translation>
    </message>
    <message>
        <source>back</source>
        <translation>zpět</translation>
    </message>
    <message>
        <source>move</source>
        <translation>výběr</translation>
    </message>
    <message>
        <source>switch</source>
        <translation>přepnout</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>the key</comment>
        <translation>Mezerník</translation>
    </message>
</context>
<context>
    <name>Topic</name>
    <message>
        <source>Geography</source>
        <translation>Zeměpis</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Dějiny</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Věda</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Příroda</translation>
    </message>
    <message>
        <source>The human body</source>
        <translation>Lidské tělo</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Hudba</translation>
    </message>
    <message>
        <source>Art and literature</source>
        <translation>Umění a literatura</translation>
    </message>
    <message>
        <source>Film</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Technology</source>
        <translation>Technika</translation>
    </message>
    <message>
        <source>Everyday life</source>
        <translation>Všední život</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Ostatní</translation>
    </message>
</context>
</TS>