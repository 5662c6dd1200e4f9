<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu">
<context>
    <name>CardNames</name>
    <message>
        <source>Piros</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>Tök</source>
        <translation>Bells</translation>
    </message>
    <message>
        <source>Zöld</source>
        <translation>Leaves</translation>
    </message>
    <message>
        <source>Makk</source>
        <translation>Acorns</translation>
    </message>
    <message>
        <source>hetes</source>
        <translation>Seven</translation>
    </message>
    <message>
        <source>nyolcas</source>
        <translation>Eight</translation>
    </message>
    <message>
        <source>kilences</source>
        <translation>Nine</translation>
    </message>
    <message>
        <source>tízes</source>
        <translation>Ten</translation>
    </message>
    <message>
        <source>alsó</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>felső</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>király</source>
        <translation>King</translation>
    </message>
    <message>
        <source>ász</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>suit, rank</comment>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>lefordított lap</source>
        <translation>face-down card</translation>
    </message>
</context>
<context>
    <name>DealFlow</name>
    <message>
        <source>Te győztél</source>
        <translation>You won</translation>
    </message>
    <message>
        <source>Bank nyert</source>
        <translation>The Bank won</translation>
    </message>
    <message>
        <source>Vuru nyert</source>
        <translation>Vuru won</translation>
    </message>
    <message>
        <source>Valóban nullázzam az eredményeket?</source>
        <translation>Really reset the results to zero?</translation>
    </message>
    <message>
        <source>Megerősítés</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>21 - A kártyajáték</source>
        <translation>21 - The Card Game</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Üzenet</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>ResultsKeeper</name>
    <message>
        <source>Nem sikerült menteni. Kilépsz mentés nélkül?</source>
        <translation>The results could not be saved. Quit without saving?</translation>
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
</context>
<context>
    <name>TableSpeech</name>
    <message>
        <source>%1: %2, összesen %3</source>
        <translation>%1: %2, total %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n lap. </source>
        <translation>
            <numerusform>%1: %n card. </numerusform>
            <numerusform>%1: %n cards. </numerusform>
        </translation>
    </message>
    <message>
        <source>Még egy lapot: F3. Megállok: F4.</source>
        <translation>One more card: F3. Stand: F4.</translation>
    </message>
    <message>
        <source>Új leosztás: F2.</source>
        <translation>New deal: F2.</translation>
    </message>
    <message>
        <source>%1: pénz %2, nyert játékok %3. Tét %4. %5</source>
        <translation>%1: money %2, games won %3. Stake %4. %5</translation>
    </message>
    <message>
        <source>A leosztás már folyik. </source>
        <translation>A deal is already under way. </translation>
    </message>
    <message>
        <source>Nincs leosztás folyamatban. </source>
        <translation>No deal is under way. </translation>
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
        <translation>My name</translation>
    </message>
    <message>
        <source>Tét</source>
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
</context>
<context>
    <name>Tfrm_Main</name>
    <message>
        <source>Új leosztás</source>
        <translation>New deal</translation>
    </message>
    <message>
        <source>Még egy lapot!</source>
        <translation>One more!</translation>
    </message>
    <message>
        <source>Megállok</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Beállítások</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Tálcára</source>
        <translation>Minimise</translation>
    </message>
    <message>
        <source>Bezár</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Eredmények törlése</source>
        <translation>Reset the results</translation>
    </message>
    <message>
        <source>Névjegy</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Tarvesz honlapja</source>
        <translation>Tarvesz homepage</translation>
    </message>
    <message>
        <source>Súgó</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Kártyaasztal</source>
        <translation>Card table</translation>
    </message>
    <message>
        <source>Pakli</source>
        <translation>Deck</translation>
    </message>
    <message>
        <source>Eredmény</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Pénz</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Nyert játékok</source>
        <translation>Games won</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Vuru</source>
        <translation>Vuru</translation>
    </message>
    <message>
        <source>Tét</source>
        <translation>Stake</translation>
    </message>
    <message>
        <source>Az asztal a tálcára kerül.</source>
        <translation>The table goes to the taskbar.</translation>
    </message>
    <message>
        <source>Játékos</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>%1, nyertes</source>
        <translation>%1, winner</translation>
    </message>
    <message>
        <source>rejtett</source>
        <translation>hidden</translation>
    </message>
    <message>
        <source>%1 adósságban van</source>
        <translation>%1 is in debt</translation>
    </message>
    <message>
        <source>Tét: %1</source>
        <translation>Stake: %1</translation>
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
        <translation>21, the card game</translation>
    </message>
    <message>
        <source>A 21 kártyajáték szabad szoftver: a GNU General Public License 3-as vagy (választásod szerint) bármely későbbi változata szerint továbbadható és módosítható. Mindenféle garancia nélkül adjuk közre.</source>
        <translation>The card game 21 is free software: you may pass it on and change it under the GNU General Public License, version 3 or (at your choice) any later version. It comes with no warranty of any kind.</translation>
    </message>
    <message>
        <source>Elérhetőség</source>
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
        <source>21, verzió </source>
        <translation>21, version </translation>
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
        <translation>Tarvesz homepage, in the web browser</translation>
    </message>
    <message>
        <source>Névjegy: a játék neve és változata</source>
        <translation>About: the game’s name and version</translation>
    </message>
    <message>
        <source>Beállítások: a neved és a tét (Alt+Enter)</source>
        <translation>Settings: your name and the stake (Alt+Enter)</translation>
    </message>
    <message>
        <source>Tálcára (Esc)</source>
        <translation>Minimise to the taskbar (Esc)</translation>
    </message>
    <message>
        <source>Bezár: a játék véget ér, az eredmények megmaradnak</source>
        <translation>Close: the game ends, the results are kept</translation>
    </message>
    <message>
        <source>Gombok</source>
        <translation>Buttons</translation>
    </message>
</context>
</TS>
