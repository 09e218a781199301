<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>GameDialog</name>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>the folder %1 cannot be created (permission denied)</source>
        <translation>složku %1 nelze vytvořit (přístup odepřen)</translation>
    </message>
    <message>
        <source>a folder stands in its place</source>
        <translation>na místě souboru je složka</translation>
    </message>
    <message>
        <source>permission denied: the folder is not writable</source>
        <translation>přístup odepřen: do složky nelze zapisovat</translation>
    </message>
    <message>
        <source>permission denied: the file is read-only</source>
        <translation>přístup odepřen: soubor je jen ke čtení</translation>
    </message>
    <message>
        <source>permission denied: the file is not readable</source>
        <translation>přístup odepřen: soubor nelze číst</translation>
    </message>
    <message>
        <source>The settings cannot be read from %1: %2
The game starts with the default settings.</source>
        <translation>Nastavení nelze načíst ze souboru %1: %2
Hra začne s výchozím nastavením.</translation>
    </message>
    <message>
        <source>1st player name</source>
        <translation>jméno 1. hráče</translation>
    </message>
    <message>
        <source>2nd player name</source>
        <translation>jméno 2. hráče</translation>
    </message>
    <message>
        <source>base of the time limit</source>
        <translation>základ časového limitu</translation>
    </message>
    <message>
        <source>sound effects</source>
        <translation>zvukové efekty</translation>
    </message>
    <message>
        <source>music</source>
        <translation>hudba</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>přes celou obrazovku</translation>
    </message>
    <message>
        <source>• line %1: %2</source>
        <translation>• řádek %1: %2</translation>
    </message>
    <message>
        <source>Some lines of the settings file %1 are damaged:
%2
These settings take their default values; the others stand.</source>
        <translation>Některé řádky souboru s nastavením %1 jsou poškozené:
%2
Tato nastavení mají výchozí hodnotu; ostatní platí.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Nastavení se nepodařilo uložit do %1: %2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>není to obyčejný soubor</translation>
    </message>
    <message>
        <source>The question file %1 cannot be read: %2
TamvelKvíz cannot start without it.</source>
        <translation>Soubor s otázkami %1 nelze načíst: %2
TamvelKvíz bez něj nemůže začít.</translation>
    </message>
    <message>
        <source>The question file %1 holds no usable question (lines skipped: %2).
Questions will be blank; mend the file, for example with tamvelkviz-check.</source>
        <translation>V souboru %1 není žádná použitelná otázka (vynechané řádky: %2).
Otázky budou prázdné; opravte soubor, např. programem tamvelkviz-check.</translation>
    </message>
    <message>
        <source>• lines skipped (not question\right\wrong\wrong\wrong): %1</source>
        <translation>• vynechané řádky (nejsou ve tvaru otázka\správně\špatně\špatně\špatně): %1</translation>
    </message>
    <message>
        <source>• lines not in UTF-8, read as Windows-1250: %1</source>
        <translation>• řádky, které nejsou v UTF-8 a byly přečteny jako Windows-1250: %1</translation>
    </message>
    <message>
        <source>Some lines of the question file %1 need attention:
%2
The game goes on. The program tamvelkviz-check lists these lines with their numbers.</source>
        <translation>Některé řádky souboru s otázkami %1 vyžadují pozornost:
%2
Hra pokračuje. Program tamvelkviz-check tyto řádky vypíše i s čísly.</translation>
    </message>
    <message>
        <source>• and %1 more</source>
        <translation>• a %1 dalších</translation>
    </message>
    <message>
        <source>Some of the game's pictures in %1 cannot be used:
%2
The game goes on without them.</source>
        <translation>Některé obrázky hry ve složce %1 nelze použít:
%2
Hra pokračuje bez nich.</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>Nelze smazat %1</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Nelze vytvořit %1: %2</translation>
    </message>
    <message>
        <source>Do you want to end the game and return to the main menu?</source>
        <translation>Přejete si přerušit hru a vrátit se do hlavního menu?</translation>
    </message>
</context>
<context>
    <name>MenuScreen</name>
    <message>
        <source>Are you sure you want to quit TamvelKvíz?</source>
        <translation>Skutečně si přejete ukončit TamvelKvíz?</translation>
    </message>
</context>
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