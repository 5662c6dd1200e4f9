<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu">
<context>
    <name>CardNames</name>
    <message>
        <source>Piros</source>
        <extracomment>A suit of the Hungarian deck, hearts (red)</extracomment>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>Tök</source>
        <extracomment>A suit of the Hungarian deck, bells</extracomment>
        <translation>Bells</translation>
    </message>
    <message>
        <source>Zöld</source>
        <extracomment>A suit of the Hungarian deck, leaves (green)</extracomment>
        <translation>Leaves</translation>
    </message>
    <message>
        <source>Makk</source>
        <extracomment>A suit of the Hungarian deck, acorns</extracomment>
        <translation>Acorns</translation>
    </message>
    <message>
        <source>hetes</source>
        <extracomment>A rank of the Hungarian deck: the seven</extracomment>
        <translation>Seven</translation>
    </message>
    <message>
        <source>nyolcas</source>
        <extracomment>A rank of the Hungarian deck: the eight</extracomment>
        <translation>Eight</translation>
    </message>
    <message>
        <source>kilences</source>
        <extracomment>A rank of the Hungarian deck: the nine</extracomment>
        <translation>Nine</translation>
    </message>
    <message>
        <source>tízes</source>
        <extracomment>A rank of the Hungarian deck: the ten</extracomment>
        <translation>Ten</translation>
    </message>
    <message>
        <source>alsó</source>
        <extracomment>A rank of the Hungarian deck: the Under (a knave below), worth 2</extracomment>
        <translation>Under</translation>
    </message>
    <message>
        <source>felső</source>
        <extracomment>A rank of the Hungarian deck: the Over (a knave above), worth 3</extracomment>
        <translation>Over</translation>
    </message>
    <message>
        <source>király</source>
        <extracomment>A rank of the Hungarian deck: the king, worth 4</extracomment>
        <translation>King</translation>
    </message>
    <message>
        <source>ász</source>
        <extracomment>A rank of the Hungarian deck: the ace, worth 11</extracomment>
        <translation>Ace</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>suit, rank</comment>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>lefordított lap</source>
        <extracomment>A card lying face down, as a screen reader names it</extracomment>
        <translation>face-down card</translation>
    </message>
    <message>
        <source></source>
        <comment>A card as a screen reader names it: the suit and the rank of the Hungarian deck.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source></source>
        <comment>What &quot;huszonegy --help&quot; prints in a terminal: plain text, at most 80 characters a line.</comment>
        <translation></translation>
    </message>
    <message>
        <source>Használat: huszonegy [--help | --version]</source>
        <extracomment>The first line; the options stay as they are</extracomment>
        <translation>Usage: huszonegy [--help | --version]</translation>
    </message>
    <message>
        <source>21 - A kártyajáték: a huszonegy magyar kártyával, te a Bank és Vuru ellen.
Kérsz még lapot vagy megállsz; a 21 fölötti összeg semmit sem ér, a legnagyobb
összeg viszi a tétet a másik kettőtől.</source>
        <translation>21 - The Card Game: the card game of 21 with the Hungarian deck, you against the
Bank and Vuru. Ask for cards or stand; a total above 21 counts as nothing, the
highest total takes the stake from the other two.</translation>
    </message>
    <message>
        <source>Billentyűk:</source>
        <extracomment>Above the keys and the table&apos;s buttons they press</extracomment>
        <translation>Keys:</translation>
    </message>
    <message>
        <source>  A Tab, a Szóköz és az Enter a billentyűzetről is elér minden gombot.
  Az asztalt a bal egérgombbal húzva mozgathatod.</source>
        <translation>  Tab, Space and Enter reach every button from the keyboard.
  Drag the table with the left mouse button to move it.</translation>
    </message>
    <message>
        <source>A pénz, a nyert játékok, a tét és a neved a tavrik.ini fájlban marad meg;
minden leosztás után és a bezáráskor íródik ki:
  telepített játék     $XDG_CONFIG_HOME/huszonegy/ (~/.config/huszonegy/),
                       felhasználónként
  hordozható példány   a program mellett, vagy a felhasználó mappájában,
                       ha a program mappája nem írható</source>
        <extracomment>The file names and $XDG_CONFIG_HOME stay as they are</extracomment>
        <translation>Money, games won, the stake and your name are kept in tavrik.ini, written after
every deal and when the game closes:
  installed game   $XDG_CONFIG_HOME/huszonegy/ (~/.config/huszonegy/), per user
  portable copy    beside the program, or the per-user folder when the
                   program&apos;s folder is not writable</translation>
    </message>
    <message>
        <source>A játék magyarul szól ahhoz, akinek a nyelve magyar, vagy aki a C területi
beállítást választotta, mindenki máshoz angolul (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG).</source>
        <extracomment>The variable names stay as they are</extracomment>
        <translation>The game speaks Hungarian to a player whose language is Hungarian or who chose
the C locale, English to everyone else (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).</translation>
    </message>
    <message>
        <source>A szabályok és a többi: huszonegy(6).</source>
        <extracomment>huszonegy(6) is the manual page&apos;s name, as &quot;man 6 huszonegy&quot; opens it</extracomment>
        <translation>See huszonegy(6) for the rules and more.</translation>
    </message>
</context>
<context>
    <name>DealFlow</name>
    <message>
        <source>Te győztél</source>
        <extracomment>The box at the end of a deal: the player won</extracomment>
        <translation>You won</translation>
    </message>
    <message>
        <source>Bank nyert</source>
        <extracomment>The box at the end of a deal: the Bank, a seat the computer plays, won</extracomment>
        <translation>The Bank won</translation>
    </message>
    <message>
        <source>Vuru nyert</source>
        <extracomment>The box at the end of a deal: Vuru, the other seat the computer plays, won</extracomment>
        <translation>Vuru won</translation>
    </message>
    <message>
        <source>Valóban nullázzam az eredményeket?</source>
        <extracomment>Asked before every seat&apos;s money and games won are set back to the start</extracomment>
        <translation>Really reset the results to zero?</translation>
    </message>
    <message>
        <source>Megerősítés</source>
        <extracomment>The title of that question&apos;s box</extracomment>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source></source>
        <comment>The boxes of a deal: who won it, and the question before the results are set back.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>21 - A kártyajáték</source>
        <extracomment>The title of the box that shows an error: the game&apos;s name</extracomment>
        <translation>21 - The Card Game</translation>
    </message>
    <message>
        <source></source>
        <comment>The box that shows an error, whatever window is open.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Igen</source>
        <extracomment>A button of a yes-or-no question</extracomment>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nem</source>
        <extracomment>A button of a yes-or-no question</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message box</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Üzenet</source>
        <extracomment>The title of a message box</extracomment>
        <translation>Message</translation>
    </message>
    <message>
        <source></source>
        <comment>The buttons and the title of the game&apos;s message and question boxes.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Nem sikerült menteni. Kilépsz mentés nélkül?</source>
        <extracomment>Asked at the close when the results file cannot be written</extracomment>
        <translation>The results could not be saved. Quit without saving?</translation>
    </message>
    <message>
        <source></source>
        <comment>The question at the close when the results cannot be saved.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>A játék már fut egy másik képernyőn vagy bejelentkezésben. Ott folytasd, vagy ott zárd be, és indítsd el újra itt.</source>
        <translation>The game is already running on another screen or in another login session. Carry on there, or close it there and start it again here.</translation>
    </message>
    <message>
        <source>A játék már fut egy másik képernyőn vagy bejelentkezésben (%1). Ott folytasd, vagy ott zárd be, és indítsd el újra itt.</source>
        <translation>The game is already running on another screen or in another login session (%1). Carry on there, or close it there and start it again here.</translation>
    </message>
    <message>
        <source>A játék már fut, de nem válaszol.</source>
        <translation>The game is already running, but it does not answer.</translation>
    </message>
    <message>
        <source>Az eredményfájlt (%1) egy másik program tartja lefoglalva, nem a játék.</source>
        <translation>Another program, not the game, holds the results file (%1).</translation>
    </message>
    <message>
        <source>A játék már fut, de egy másik felhasználó programja elfoglalta az utat hozzá.</source>
        <translation>The game is already running, but a program of another user stands in the way to it.</translation>
    </message>
    <message>
        <source>Nem sikerült lefoglalni az eredményfájlt: %1</source>
        <translation>The results file could not be reserved for this game: %1</translation>
    </message>
    <message>
        <source>A játék már fut, de egy másik bejelentkezésben vagy elzárt környezetben, amelyet ez az indítás nem ér el. Ott folytasd, vagy ott zárd be, és indítsd el újra itt.</source>
        <comment>A second start: the game holds the results file, but in another login session or sandbox (its own session bus or network), which this start cannot reach</comment>
        <translation>The game is already running, but in another login session or sandbox this start cannot reach. Carry on there, or close it there and start it again here.</translation>
    </message>
    <message>
        <source>Az eredmények mappájába nem lehet írni, így egy leosztás sem maradna meg: %1</source>
        <comment>The folder of the results file is read-only or not the player&apos;s; %1 is the results file</comment>
        <translation>The results folder cannot be written, so no deal would be kept: %1</translation>
    </message>
    <message>
        <source></source>
        <comment>The boxes a start of the game shows instead of a table: another copy already plays, or the results cannot be kept.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TableSpeech</name>
    <message>
        <source>%1: %2, összesen %3</source>
        <extracomment>Heard for a seat: %1 its name, %2 its cards, %3 their total</extracomment>
        <translation>%1: %2, total %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n lap.</source>
        <extracomment>Heard for a seat whose cards are hidden: %1 its name, %n how many cards</extracomment>
        <translation>
            <numerusform>%1: %n card.</numerusform>
            <numerusform>%1: %n cards.</numerusform>
        </translation>
    </message>
    <message>
        <source>Még egy lapot: %1. Megállok: %2.</source>
        <translation>One more card: %1. Stand: %2.</translation>
    </message>
    <message>
        <source>Új leosztás: %1.</source>
        <extracomment>Heard between deals: %1 the key for a new deal</extracomment>
        <translation>New deal: %1.</translation>
    </message>
    <message>
        <source>%1: pénz %2, nyert játékok %3. Tét %4. %5</source>
        <extracomment>Heard when the table comes forward: %1 the player&apos;s name, %2 money, %3 games won, %4 the stake, %5 the keys to press now</extracomment>
        <translation>%1: money %2, games won %3. Stake %4. %5</translation>
    </message>
    <message>
        <source>A leosztás már folyik.</source>
        <translation>A deal is already under way.</translation>
    </message>
    <message>
        <source>Nincs leosztás folyamatban.</source>
        <translation>No deal is under way.</translation>
    </message>
    <message>
        <source></source>
        <comment>What a screen reader hears of the table: the seats, their cards and totals, and the keys.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>Tfrm_Beallit</name>
    <message>
        <source>Beállítások</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Az én nevem</source>
        <extracomment>The label of the field for the player&apos;s name</extracomment>
        <translation>My name</translation>
    </message>
    <message>
        <source>Tét</source>
        <extracomment>The label of the field for the stake: the money each deal is played for</extracomment>
        <translation>Stake</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source></source>
        <comment>The settings dialog (Alt+Enter): the player&apos;s name and the stake.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>Tfrm_Main</name>
    <message>
        <source>Új leosztás</source>
        <translation>New deal</translation>
    </message>
    <message>
        <source>Még egy lapot!</source>
        <extracomment>A deal button: ask for one more card</extracomment>
        <translation>One more!</translation>
    </message>
    <message>
        <source>Megállok</source>
        <extracomment>A deal button: take no more cards</extracomment>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Beállítások</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Tálcára</source>
        <extracomment>The tip of the small button that minimises the table to the taskbar</extracomment>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Bezár</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Eredmények törlése</source>
        <extracomment>The tip of the small button that sets every seat&apos;s money and games won back</extracomment>
        <translation>Reset the results</translation>
    </message>
    <message>
        <source>Névjegy</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tarvesz honlapja</source>
        <extracomment>The tip of the small button that opens the maker&apos;s homepage; Tarvesz is the maker</extracomment>
        <translation>Tarvesz homepage</translation>
    </message>
    <message>
        <source>Súgó</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Kártyaasztal</source>
        <extracomment>A screen reader&apos;s name for the table&apos;s background</extracomment>
        <translation>Card table</translation>
    </message>
    <message>
        <source>Pakli</source>
        <extracomment>A screen reader&apos;s name for the deck</extracomment>
        <translation>Deck</translation>
    </message>
    <message>
        <source>Eredmény</source>
        <extracomment>A seat&apos;s caption: the total of its cards in this deal</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Pénz</source>
        <extracomment>A seat&apos;s caption: its money</extracomment>
        <translation>Money</translation>
    </message>
    <message>
        <source>Nyert játékok</source>
        <extracomment>A seat&apos;s caption: how many deals it has won</extracomment>
        <translation>Games won</translation>
    </message>
    <message>
        <source>Bank</source>
        <extracomment>The name of a seat the computer plays: the Bank</extracomment>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Vuru</source>
        <extracomment>The name of the other seat the computer plays; a name, usually kept as it is</extracomment>
        <translation>Vuru</translation>
    </message>
    <message>
        <source>Tét</source>
        <extracomment>The table&apos;s caption of the stake: the money each deal is played for</extracomment>
        <translation>Stake</translation>
    </message>
    <message>
        <source>Az asztal a tálcára kerül.</source>
        <extracomment>Heard when Esc minimises the table</extracomment>
        <translation>The table goes to the taskbar.</translation>
    </message>
    <message>
        <source>Játékos</source>
        <extracomment>A screen reader&apos;s name for the player&apos;s seat while the player has no name</extracomment>
        <translation>Player</translation>
    </message>
    <message>
        <source>%1, nyertes</source>
        <extracomment>A screen reader&apos;s name for the last deal&apos;s winner: %1 the seat&apos;s name</extracomment>
        <translation>%1, winner</translation>
    </message>
    <message>
        <source>rejtett</source>
        <extracomment>A screen reader&apos;s word for a total hidden until the deal ends</extracomment>
        <translation>hidden</translation>
    </message>
    <message>
        <source>%1 adósságban van</source>
        <extracomment>A screen reader&apos;s name for the in-debt mark: %1 the seat&apos;s name</extracomment>
        <translation>%1 is in debt</translation>
    </message>
    <message>
        <source>Tét: %1</source>
        <extracomment>A screen reader&apos;s name for the stake: %1 the amount</extracomment>
        <translation>Stake: %1</translation>
    </message>
    <message>
        <source></source>
        <comment>The card table: the deal buttons, the small buttons&apos; tips, the seats&apos; captions and names, and what a screen reader hears of them.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>Tfrm_Nevjegy</name>
    <message>
        <source>Névjegy</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Copyright © 2026
Tarvesz</source>
        <translation>Copyright © 2026
Tarvesz</translation>
    </message>
    <message>
        <source>21 kártyajáték</source>
        <extracomment>The about box&apos;s heading: the game&apos;s name</extracomment>
        <translation>21, the card game</translation>
    </message>
    <message>
        <source>A 21 kártyajáték szabad szoftver: a GNU General Public License 3-as vagy (választásod szerint) bármely későbbi változata szerint továbbadható és módosítható. Mindenféle garancia nélkül adjuk közre.</source>
        <translation>The card game 21 is free software: you may pass it on and change it under the GNU General Public License, version 3 or (at your choice) any later version. It comes with no warranty of any kind.</translation>
    </message>
    <message>
        <source>Elérhetőség</source>
        <extracomment>The about box&apos;s heading above the maker&apos;s address</extracomment>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Tarvesz
%1

Véleményeket, ötleteket és hibajelentéseket
a honlapon keresztül várok.</source>
        <translation>Tarvesz
%1

Opinions, ideas and bug reports
are welcome through the homepage.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>21, verzió %1</source>
        <extracomment>A screen reader&apos;s name for the product line: the game&apos;s name and its version, %1</extracomment>
        <translation>21, version %1</translation>
    </message>
    <message>
        <source></source>
        <comment>The about box: the game&apos;s name, version, licence and the maker&apos;s address.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>Tfrm_Sugo</name>
    <message>
        <source>Minden leosztásban mindenki két lapot kap. Az alsó 2, a felső 3, a király 4, az ász 11, a számos lapok a számukat érik. Lapot kérhetsz („Még egy lapot!”) vagy megállhatsz („Megállok”); a Bank és Vuru 16 alatt mindig húz. 21 fölött a lapok semmit sem érnek. A legmagasabb összeg nyer. Ha a Bank holtversenyben áll az élen, a Bank nyer; ha te és Vuru, a kevesebb lap nyer, egyenlő lapszámnál te. A győztes mindkét ellenféltől megkapja a tétet.</source>
        <translation>Every deal gives each seat two cards. The Under counts 2, the Over 3, the King 4, the Ace 11, the number cards their number. Ask for another card (“One more!”) or stand (“Stand”); the Bank and Vuru always draw below 16. Above 21 the cards count for nothing. The highest total wins. When the Bank ties for the top, the Bank wins; when you and Vuru do, fewer cards win, and equal counts go to you. The winner takes the stake from each of the other two.</translation>
    </message>
    <message>
        <source>%1: új leosztás</source>
        <extracomment>A line of the help&apos;s keys; %1 is the key, as &quot;F2&quot;</extracomment>
        <translation>%1: new deal</translation>
    </message>
    <message>
        <source>%1: még egy lapot</source>
        <extracomment>A line of the help&apos;s keys; %1 is the key, as &quot;F3&quot;</extracomment>
        <translation>%1: one more card</translation>
    </message>
    <message>
        <source>%1: megállok</source>
        <extracomment>A line of the help&apos;s keys; %1 is the key, as &quot;F4&quot;</extracomment>
        <translation>%1: stand</translation>
    </message>
    <message>
        <source>%1: beállítások (a neved és a tét)</source>
        <extracomment>A line of the help&apos;s keys; %1 is the key, as &quot;Alt+Enter&quot;</extracomment>
        <translation>%1: settings (your name and the stake)</translation>
    </message>
    <message>
        <source>%1: tálcára</source>
        <extracomment>A line of the help&apos;s keys; %1 is the key, as &quot;Esc&quot;</extracomment>
        <translation>%1: minimise to the taskbar</translation>
    </message>
    <message>
        <source>%1: ez a súgó</source>
        <extracomment>A line of the help&apos;s keys; %1 is the key, as &quot;F1&quot;</extracomment>
        <translation>%1: this help</translation>
    </message>
    <message>
        <source>Szabályok</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Billentyűk</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Bezár</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Súgó</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Az asztalt a bal egérgombbal húzva mozgathatod az ablakot.</source>
        <translation>Drag the table with the left mouse button to move the window.</translation>
    </message>
    <message>
        <source>A Tab és a Shift+Tab a gombok között lépked, a Szóköz vagy az Enter megnyomja a kijelölt gombot.</source>
        <translation>Tab and Shift+Tab walk the buttons; Space or Enter presses the one with the focus mark.</translation>
    </message>
    <message>
        <source>A lapok jelei: A = alsó (2), F = felső (3), K = király (4), Á = ász (11); a 7, 8, 9 és 10 a számuk szerint.</source>
        <translation>The cards’ marks are Hungarian: A = Under (2), F = Over (3), K = King (4), Á = Ace (11); 7, 8, 9 and 10 count their number.</translation>
    </message>
    <message>
        <source>Eredmények törlése: mindenki újra 1000 pénzzel, nyert játék nélkül kezd</source>
        <translation>Reset the results: everyone starts again with 1000 money and no games won</translation>
    </message>
    <message>
        <source>Tarvesz honlapja a böngészőben</source>
        <extracomment>Beside the picture of the small button that opens the maker&apos;s homepage; Tarvesz is the maker&apos;s name</extracomment>
        <translation>Tarvesz homepage, in the web browser</translation>
    </message>
    <message>
        <source>Névjegy: a játék neve és változata</source>
        <translation>About: the game’s name and version</translation>
    </message>
    <message>
        <source>Beállítások: a neved és a tét (%1)</source>
        <extracomment>Beside the picture of the settings button; %1 is its key, as &quot;Alt+Enter&quot;</extracomment>
        <translation>Settings: your name and the stake (%1)</translation>
    </message>
    <message>
        <source>Tálcára (%1)</source>
        <extracomment>Beside the picture of the small button that minimises the table; %1 is its key, as &quot;Esc&quot;</extracomment>
        <translation>Minimise to the taskbar (%1)</translation>
    </message>
    <message>
        <source>Bezár: a játék véget ér, az eredmények megmaradnak</source>
        <translation>Close: the game ends, the results are kept</translation>
    </message>
    <message>
        <source>Gombok</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source></source>
        <comment>The help (F1): the rules, the cards&apos; marks, the keys and the small buttons&apos; meanings.</comment>
        <translation></translation>
    </message>
</context>
</TS>
