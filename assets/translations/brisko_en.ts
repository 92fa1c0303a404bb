<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Card</name>
    <message>
        <source>Bube</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Dame</source>
        <translation>Queen</translation>
    </message>
    <message>
        <source>König</source>
        <translation>King</translation>
    </message>
    <message>
        <source>Ass</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>Karo</source>
        <translation>Diamonds</translation>
    </message>
    <message>
        <source>Herz</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>Blatt</source>
        <translation>Spades</translation>
    </message>
    <message>
        <source>Kreuz</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>%1%2 %3</source>
        <extracomment>A run, its suit named once: %1 the jokers below its first natural card, each with a comma after it (often empty), %2 the suit, %3 the ranks and jokers from that card up.</extracomment>
        <translation>%1%3 of %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Karte</source>
        <translation>card</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The name of a card: %1 its suit, %2 its rank, &quot;Herz Dame&quot;.</extracomment>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>Joker für %1</source>
        <translation>Joker as the %1</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>meld with one joker</comment>
        <extracomment>A meld with one joker: %1 its cards as they lie, the joker among them (&quot;Herz Ass, 2, Joker&quot;), %2 its natural cards alone (&quot;Herz Ass, 2&quot;).</extracomment>
        <translation>%2 and a Joker</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>meld with jokers</comment>
        <extracomment>A meld with more jokers: %1 its cards as they lie, the jokers among them (&quot;Joker, Herz 2, Joker&quot;), %2 its natural cards alone (&quot;Herz 2&quot;), %3 how many jokers.</extracomment>
        <translation>%2 and %3 Jokers</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Tut mir Leid, Sie haben leider verloren!</source>
        <translation>Sorry, you have lost the game!</translation>
    </message>
    <message>
        <source>Sie haben verloren!</source>
        <translation>You have lost!</translation>
    </message>
    <message>
        <source>Möchten Sie Ihre Karte %1 gegen den Joker eintauschen?</source>
        <translation>Would you like to exchange your %1 for the Joker?</translation>
    </message>
    <message>
        <source>Karte gegen Joker tauschen?</source>
        <translation>Exchange a card for the Joker?</translation>
    </message>
    <message>
        <source>Sie können nur einen Karte wegwerfen!</source>
        <translation>You can discard only one card!</translation>
    </message>
    <message>
        <source>Wegwerfen: zu viele Karten</source>
        <translation>Too many cards to discard</translation>
    </message>
    <message>
        <source>Herzlichen Glückwunsch! Sie haben das Spiel gewonnen!</source>
        <translation>Congratulations! You have won the game!</translation>
    </message>
    <message>
        <source>Sie haben gewonnen!</source>
        <translation>You have won!</translation>
    </message>
    <message>
        <source>Die Karten passen leider nicht zusammen oder es sind zu wenige Karten.</source>
        <translation>Sorry, these cards do not fit together, or there are too few of them.</translation>
    </message>
    <message>
        <source>Karten passen nicht</source>
        <translation>Cards do not fit</translation>
    </message>
    <message>
        <source>Sie können beim Ersten Mal erst ab %1 Punkte auslegen!</source>
        <translation>Your first meld must be worth at least %1 points!</translation>
    </message>
    <message>
        <source>Zu wenige Punkte</source>
        <translation>Not enough points</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Tipp: Nehmen Sie %1 vom Ablagestapel.</source>
        <translation>Hint: Take the %1 from the discard pile.</translation>
    </message>
    <message>
        <source>Tipp: Ziehen Sie eine Karte vom Stapel.</source>
        <translation>Hint: Draw a card from the stock.</translation>
    </message>
    <message>
        <source>Tipp: Nehmen Sie ausgelegte Karten zurück, damit Ihnen eine Karte zum Abwerfen bleibt.</source>
        <translation>Hint: Take back cards you played, so that you have a card left to discard.</translation>
    </message>
    <message>
        <source>Tipp: Legen Sie %1 aus.</source>
        <translation>Hint: Meld the %1.</translation>
    </message>
    <message>
        <source>Tipp: Legen Sie %1 an die markierte Kombination an.</source>
        <translation>Hint: Lay off the %1 on the marked meld.</translation>
    </message>
    <message>
        <source>Tipp: Werfen Sie %1 ab – damit haben Sie gewonnen.</source>
        <translation>Hint: Discard the %1 to go out and win.</translation>
    </message>
    <message>
        <source>Tipp: Behalten Sie Ihre Kombinationen noch auf der Hand und werfen Sie %1 ab.</source>
        <translation>Hint: Keep your melds in your hand for now and discard the %1.</translation>
    </message>
    <message>
        <source>Tipp: Werfen Sie %1 ab.</source>
        <translation>Hint: Discard the %1.</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>Das aufgehobene Spiel in %1 ließ sich nicht lesen und kann nicht fortgesetzt werden.</source>
        <translation>The saved game in %1 could not be read and cannot be resumed.</translation>
    </message>
    <message>
        <source>Das aufgehobene Spiel ließ sich nicht lesen und kann nicht fortgesetzt werden. Die Datei ist unverändert als %1 aufbewahrt.</source>
        <translation>The saved game could not be read and cannot be resumed. The file has been set aside unchanged as %1.</translation>
    </message>
</context>
<context>
    <name>ScoreList</name>
    <message>
        <source>Die Liste in %1 ließ sich nicht lesen. Eine neue Liste beginnt.</source>
        <translation>The score sheet in %1 could not be read. A new sheet begins.</translation>
    </message>
    <message>
        <source>Die Liste ließ sich nicht lesen. Die Datei ist unverändert als %1 aufbewahrt. Eine neue Liste beginnt.</source>
        <translation>The score sheet could not be read. The file has been kept unchanged as %1. A new sheet begins.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Ziehen Sie eine Karte!</source>
        <translation>Draw a card!</translation>
    </message>
    <message>
        <source>Sie dürfen nun auslegen und dann eine Karte wegwerfen!</source>
        <translation>You may now meld or lay off, then discard a card!</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Info</source>
        <translation>About Brisko</translation>
    </message>
    <message>
        <source>Copyright © XXXX Taldrin. Alle Rechte vorbehalten.</source>
        <translation>Copyright © XXXX Taldrin. All rights reserved.</translation>
    </message>
    <message>
        <source>Brisko 1.0 – Rommé für eine Person gegen den Computer.</source>
        <translation>Brisko 1.0 – German rummy for one player against the computer.</translation>
    </message>
    <message>
        <source>Spielidee nach dem klassischen Rommé; Programm, Grafik und Hilfe: Taldrin.</source>
        <translation>Based on classic German rummy. Program, graphics and help by Taldrin.</translation>
    </message>
    <message>
        <source>Brisko ist freie Software: Sie dürfen es weitergeben und verändern (GNU GPL, Version 3 oder neuer).</source>
        <translation>Brisko is free software: you can redistribute and modify it under the GNU GPL, version 3 or later.</translation>
    </message>
    <message>
        <source>Neue Versionen, Tipps und Antworten auf Fragen finden Sie hier:</source>
        <translation>New versions, tips and answers to your questions:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Rommé von Taldrin</source>
        <translation>Rummy by Taldrin</translation>
    </message>
</context>
<context>
    <name>TArtwork</name>
    <message>
        <source>%1 fehlt</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1 ist beschädigt (erwartet %2 x %3 Pixel)</source>
        <translation>%1 is damaged (expected %2 × %3 pixels)</translation>
    </message>
    <message>
        <source>%1 ist beschädigt</source>
        <translation>%1 is damaged</translation>
    </message>
    <message>
        <source>Die Kartenbilder fehlen oder sind beschädigt, deshalb kann Brisko nicht starten.

Ordner: %1
%2

Bitte installieren Sie das Spiel neu.</source>
        <translation>The card images are missing or damaged, so Brisko cannot start.

Folder: %1
%2

Please reinstall the game.</translation>
    </message>
</context>
<context>
    <name>TFaceComposer</name>
    <message>
        <source>A</source>
        <extracomment>Corner letter of the ace.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>Corner letter of the jack (Bube).</extracomment>
        <translation>J</translation>
    </message>
    <message>
        <source>D</source>
        <extracomment>Corner letter of the queen (Dame).</extracomment>
        <translation>Q</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>Corner letter of the king (König).</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>Corner letter of the joker.</extracomment>
        <translation>JK</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Willkommen</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>So wird gespielt</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Die Regeln</source>
        <translation>The rules</translation>
    </message>
    <message>
        <source>Der Spieltisch</source>
        <translation>The table</translation>
    </message>
    <message>
        <source>Der Zug des Computers</source>
        <translation>The computer&apos;s turn</translation>
    </message>
    <message>
        <source>Gegner, Tipp und Statistik</source>
        <translation>Opponents, hint and statistics</translation>
    </message>
    <message>
        <source>Tastatur</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Brisko – Hilfe</source>
        <translation>Brisko – Help</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Hilfe nicht gefunden&lt;/h2&gt;&lt;p&gt;Die Hilfeseite &lt;b&gt;%1&lt;/b&gt; ist nicht vorhanden.&lt;/p&gt;&lt;p&gt;Die Hilfe gehört in den Ordner „help“ neben dem Programm. Bitte installieren Sie Brisko erneut. Das Spiel selbst läuft ungestört weiter.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; does not exist.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder “help” next to the program. Please reinstall Brisko. Your game is not affected.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TListForm</name>
    <message>
        <source>bei mehr als 500 Minuspunkten</source>
        <translation>above 500 penalty points</translation>
    </message>
    <message>
        <source>bei mehr als 1000 Minuspunkten</source>
        <translation>above 1,000 penalty points</translation>
    </message>
    <message>
        <source>nach 10 Spielen</source>
        <translation>after 10 games</translation>
    </message>
    <message>
        <source>nach 20 Spielen</source>
        <translation>after 20 games</translation>
    </message>
    <message>
        <source>nie, nur mit „Neue Liste“</source>
        <translation>never, only with “New Sheet”</translation>
    </message>
    <message>
        <source>Die Liste endet, sobald jemand mehr als %1 Minuspunkte hat. Es gewinnt, wer dann die wenigsten hat.</source>
        <translation>The sheet ends as soon as somebody has more than %1 penalty points. Whoever has the fewest then wins.</translation>
    </message>
    <message>
        <source>Die Liste endet nach %1 Spielen (noch %2). Es gewinnt, wer dann die wenigsten Minuspunkte hat.</source>
        <translation>The sheet ends after %1 games (%2 to go). Whoever has the fewest penalty points then wins.</translation>
    </message>
    <message>
        <source>Die Liste endet erst mit „Neue Liste“.</source>
        <translation>The sheet ends only with “New Sheet”.</translation>
    </message>
    <message>
        <source>Sie</source>
        <translation>You</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer %1</translation>
    </message>
    <message>
        <source>Liste: %1</source>
        <translation>Scores: %1</translation>
    </message>
    <message>
        <source>Sie haben die Liste gewonnen!</source>
        <translation>You won the score sheet!</translation>
    </message>
    <message>
        <source>Sie haben die Liste gewonnen, gemeinsam mit %1!</source>
        <translation>You won the score sheet, together with %1!</translation>
    </message>
    <message>
        <source>%1 hat die Liste gewonnen.</source>
        <translation>%1 won the score sheet.</translation>
    </message>
    <message>
        <source>%1 haben die Liste gemeinsam gewonnen.</source>
        <translation>%1 share the win of the score sheet.</translation>
    </message>
    <message>
        <source>%1 Endstand: %2. Eine neue Liste beginnt.</source>
        <translation>%1 Final score: %2. A new sheet begins.</translation>
    </message>
    <message>
        <source>Spiel</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Ausgegangen</source>
        <translation>Went out</translation>
    </message>
    <message>
        <source>Hand-Rommé</source>
        <translation>Hand rummy</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>Score Sheet</translation>
    </message>
    <message>
        <source>Minuspunkte je Spiel</source>
        <translation>Penalty points per game</translation>
    </message>
    <message>
        <source>Die Liste &amp;endet:</source>
        <translation>Sheet &amp;ends:</translation>
    </message>
    <message>
        <source>%1 Punkte</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Ein &amp;Joker auf der Hand zählt:</source>
        <translation>A &amp;joker in the hand counts:</translation>
    </message>
    <message>
        <source>Liste &amp;speichern…</source>
        <translation>&amp;Save Sheet…</translation>
    </message>
    <message>
        <source>&amp;Neue Liste</source>
        <translation>&amp;New Sheet</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Laufende Liste</source>
        <translation>Current sheet</translation>
    </message>
    <message>
        <source>Letzte Liste (beendet)</source>
        <translation>Last sheet (ended)</translation>
    </message>
    <message>
        <source>Letzte Liste (aufgegeben)</source>
        <translation>Last sheet (given up)</translation>
    </message>
    <message>
        <source>Hand-Rommé, doppelt</source>
        <translation>Hand rummy, doubled</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Diese Liste wurde vor ihrem Ende aufgegeben.</source>
        <translation>This sheet was given up before its end.</translation>
    </message>
    <message>
        <source>&amp;Anzeigen:</source>
        <translation>Sho&amp;w:</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Ausgelegte Karten zurücknehmen</source>
        <translation>Take back cards played this turn</translation>
    </message>
    <message>
        <source>&amp;Hilfe...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>Sie spielen gegen den Gegner „%1“.</source>
        <translation>You are playing against the %1 opponent.</translation>
    </message>
    <message>
        <source>Ab dem nächsten Spiel spielen Sie gegen den Gegner „%1“.</source>
        <translation>From the next game on, you will play against the %1 opponent.</translation>
    </message>
    <message>
        <source>Statistik zurücksetzen</source>
        <translation>Reset statistics</translation>
    </message>
    <message>
        <source>Kartenbilder fehlen</source>
        <translation>Card images missing</translation>
    </message>
    <message>
        <source>Das letzte Spiel ist aufgehoben: Spiel › Letztes Spiel fortsetzen (Strg+L)</source>
        <translation>Your last game was saved: Game › Resume Last Game (Ctrl+L)</translation>
    </message>
    <message>
        <source>Es ist kein Spiel mehr aufgehoben; das neue Spiel geht weiter.</source>
        <translation>The saved game is no longer there; play goes on with the new game.</translation>
    </message>
    <message>
        <source>Letztes Spiel fortsetzen</source>
        <translation>Resume Last Game</translation>
    </message>
    <message>
        <source>Das Spiel ließ sich nicht in %1 aufheben; Sie können weiterspielen.</source>
        <translation>The game could not be saved to %1; you can play on.</translation>
    </message>
    <message>
        <source>Das beendete Spiel ließ sich nicht aus %1 entfernen.</source>
        <translation>The finished game could not be removed from %1.</translation>
    </message>
    <message>
        <source>&amp;Sofort</source>
        <translation>&amp;Instant</translation>
    </message>
    <message>
        <source>S&amp;chnell</source>
        <translation>&amp;Fast</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Langsam</source>
        <translation>&amp;Slow</translation>
    </message>
    <message>
        <source>&amp;125 %</source>
        <translation>&amp;125%</translation>
    </message>
    <message>
        <source>1&amp;50 %</source>
        <translation>1&amp;50%</translation>
    </message>
    <message>
        <source>&amp;200 %</source>
        <translation>&amp;200%</translation>
    </message>
    <message>
        <source>&amp;An das Fenster anpassen</source>
        <translation>&amp;Fit to Window</translation>
    </message>
    <message>
        <source>&amp;Spiel</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Neues Spiel</source>
        <translation>&amp;New Game</translation>
    </message>
    <message>
        <source>&amp;Letztes Spiel fortsetzen</source>
        <translation>&amp;Resume Last Game</translation>
    </message>
    <message>
        <source>Gegner: &amp;Klassisch</source>
        <translation>Opponent: &amp;Classic</translation>
    </message>
    <message>
        <source>Gegner: St&amp;ark</source>
        <translation>Opponent: &amp;Strong</translation>
    </message>
    <message>
        <source>&amp;Tipp</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Statistik...</source>
        <translation>S&amp;tatistics...</translation>
    </message>
    <message>
        <source>&amp;Einstellungen...</source>
        <translation>S&amp;ettings...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Über das &amp;Programm...</source>
        <translation>&amp;About Brisko</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Zug des Computers</source>
        <translation>&amp;Computer&apos;s Turn</translation>
    </message>
    <message>
        <source>&amp;Kartengröße</source>
        <translation>Card &amp;Size</translation>
    </message>
    <message>
        <source>Züge des Computers &amp;markieren</source>
        <translation>&amp;Mark Computer&apos;s Moves</translation>
    </message>
    <message>
        <source>Brisko läuft bereits in einem anderen Fenster, das nicht antwortet. Dieses Fenster hebt sein Spiel nicht auf: Wenn Sie es schließen, ist das Spiel verloren.</source>
        <translation>Brisko is already running in another window, which does not respond. This window does not save its game: if you close it, the game is lost.</translation>
    </message>
    <message>
        <source>Das Spiel ließ sich nicht in %1 aufheben und geht mit dem Beenden verloren.</source>
        <translation>The game could not be saved to %1 and will be lost when Brisko quits.</translation>
    </message>
    <message>
        <source>Das nicht fortgesetzte Spiel ließ sich nicht aus %1 entfernen; es wird beim nächsten Start wieder angeboten.</source>
        <translation>The game you did not resume could not be removed from %1; it will be offered again at the next start.</translation>
    </message>
    <message>
        <source>Liste beendet</source>
        <translation>Score Sheet Finished</translation>
    </message>
    <message>
        <source>Liste speichern</source>
        <translation>Save Score Sheet</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>Score Sheet</translation>
    </message>
    <message>
        <source>Möchten Sie die laufende Liste aufgeben und eine neue beginnen? Die aufgegebene Liste zählt in der Statistik als verloren.</source>
        <translation>Do you want to give up the current score sheet and begin a new one? The sheet given up counts as lost in the statistics.</translation>
    </message>
    <message>
        <source>Neue Liste</source>
        <translation>New Sheet</translation>
    </message>
    <message>
        <source>Die Liste ließ sich nicht in %1 speichern.</source>
        <translation>The score sheet could not be saved to %1.</translation>
    </message>
    <message>
        <source>Die Liste ließ sich nicht in %1 speichern. Sie gilt weiter, solange Brisko läuft.</source>
        <translation>The score sheet could not be saved to %1. It stays as it is as long as Brisko runs.</translation>
    </message>
    <message>
        <source>Minuspunkte der laufenden Liste – Spiel › Liste... (F3)</source>
        <translation>Penalty points of the current score sheet – Game › Score Sheet... (F3)</translation>
    </message>
    <message>
        <source>L&amp;iste...</source>
        <translation>Sc&amp;ore Sheet...</translation>
    </message>
    <message>
        <source>Möchten Sie die Statistik wirklich zurücksetzen? Die gezählten Spiele gegen beide Gegner und die gezählten Listen werden gelöscht.</source>
        <translation>Do you really want to reset the statistics? The games counted against both opponents and the score sheets counted will be cleared.</translation>
    </message>
    <message>
        <source>Tis&amp;ch</source>
        <translation>T&amp;able</translation>
    </message>
    <message>
        <source>Zu &amp;zweit</source>
        <translation>&amp;Two players</translation>
    </message>
    <message>
        <source>Zu &amp;dritt</source>
        <translation>T&amp;hree players</translation>
    </message>
    <message>
        <source>Zu &amp;viert</source>
        <translation>&amp;Four players</translation>
    </message>
    <message>
        <source>Computer &amp;%1</source>
        <translation>Computer &amp;%1</translation>
    </message>
    <message>
        <source>St&amp;ark</source>
        <translation>&amp;Strong</translation>
    </message>
    <message>
        <source>&amp;Klassisch</source>
        <translation>&amp;Classic</translation>
    </message>
    <message>
        <source>Ab dem nächsten Spiel spielen Sie zu zweit.</source>
        <translation>From the next game on you play as two.</translation>
    </message>
    <message>
        <source>Ab dem nächsten Spiel spielen Sie zu dritt.</source>
        <translation>From the next game on you play as three.</translation>
    </message>
    <message>
        <source>Ab dem nächsten Spiel spielen Sie zu viert.</source>
        <translation>From the next game on you play as four.</translation>
    </message>
    <message>
        <source>Ab dem nächsten Spiel spielt Computer %1 stark.</source>
        <translation>From the next game on Computer %1 plays strong.</translation>
    </message>
    <message>
        <source>Ab dem nächsten Spiel spielt Computer %1 klassisch.</source>
        <translation>From the next game on Computer %1 plays classic.</translation>
    </message>
    <message>
        <source>Mit dem ersten gewerteten Spiel am neuen Tisch beginnt eine neue Liste.</source>
        <translation>The first game scored at the new table begins a new score sheet.</translation>
    </message>
</context>
<context>
    <name>TMessageBoxes</name>
    <message>
        <source>nach %1 kann nicht geschrieben werden.</source>
        <translation>Cannot write to %1.</translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Hintergrundfarbe:</source>
        <translation>Table color:</translation>
    </message>
    <message>
        <source>Raus bei 30</source>
        <translation>First meld: 30</translation>
    </message>
    <message>
        <source>Raus bei 40</source>
        <translation>First meld: 40</translation>
    </message>
    <message>
        <source>Anzahl der Karten pro Spieler:</source>
        <translation>Cards per player:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TProfileFile</name>
    <message>
        <source>Die Einstellungsdatei %1 war beschädigt und ließ sich nicht vollständig lesen. Die alte Datei ist unverändert als %2 aufbewahrt; Brisko speichert die Einstellungen nun neu.</source>
        <translation>The settings file %1 was damaged and could not be read completely. The old file has been set aside unchanged as %2; Brisko will save the settings in a new file.</translation>
    </message>
</context>
<context>
    <name>TStatisticsForm</name>
    <message>
        <source>Gewonnen</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Verloren</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Anteil gewonnen</source>
        <translation>Win rate</translation>
    </message>
    <message>
        <source>Aktuelle Siegesserie</source>
        <translation>Current winning streak</translation>
    </message>
    <message>
        <source>Längste Siegesserie</source>
        <translation>Longest winning streak</translation>
    </message>
    <message>
        <source>Wenigste Züge bis zum Sieg</source>
        <translation>Fewest turns to a win</translation>
    </message>
    <message>
        <source>Stark</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>Klassisch</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share in percent, %1 the number: &quot;75 %&quot; in German, &quot;75%&quot; in English.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Listen gewonnen</source>
        <translation>Score sheets won</translation>
    </message>
    <message>
        <source>Listen verloren</source>
        <translation>Score sheets lost</translation>
    </message>
    <message>
        <source>Gezählt wird jedes Spiel, das mit dem Abwerfen der letzten Karte endet. Ein Spiel, das Sie mit „Neues Spiel“ abbrechen, zählt als verloren, wenn Sie darin schon eine Karte gezogen hatten. Ein Zug beginnt mit dem Ziehen einer Karte. Eine Liste zählt, wenn sie endet; eine Liste, die Sie mit „Neue Liste“ aufgeben, zählt als verloren.</source>
        <translation>Every game that ends with a player discarding their last card counts. A game you abandon with “New Game” counts as lost if you had already drawn a card in it. A turn begins with drawing a card. A score sheet counts when it ends; a sheet you give up with “New Sheet” counts as lost.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>Spieltisch</source>
        <translation>Card table</translation>
    </message>
    <message numerus="yes">
        <source>%n Karten</source>
        <translation>
            <numerusform>%n card</numerusform>
            <numerusform>%n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stapel: %n Karten</source>
        <translation>
            <numerusform>Stock: %n card</numerusform>
            <numerusform>Stock: %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ablagestapel: %n Karten</source>
        <translation>
            <numerusform>Discard pile: %n card</numerusform>
            <numerusform>Discard pile: %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer: %n Karten</source>
        <translation>
            <numerusform>Computer: %n card</numerusform>
            <numerusform>Computer: %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer, %n Karten</source>
        <translation>
            <numerusform>Computer, %n card</numerusform>
            <numerusform>Computer, %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stapel, %n Karten</source>
        <translation>
            <numerusform>Stock, %n card</numerusform>
            <numerusform>Stock, %n cards</numerusform>
        </translation>
    </message>
    <message>
        <source>Ablagestapel, leer</source>
        <translation>Discard pile, empty</translation>
    </message>
    <message>
        <source>Ablagestapel, oben %1</source>
        <translation>Discard pile, %1 on top</translation>
    </message>
    <message>
        <source>Auslage %1:</source>
        <translation>Meld %1:</translation>
    </message>
    <message>
        <source>Freier Platz für eine neue Auslage</source>
        <translation>Space for a new meld</translation>
    </message>
    <message>
        <source>Ihre Karte %1 von %2: %3, ausgewählt</source>
        <translation>Your card %1 of %2: %3, selected</translation>
    </message>
    <message>
        <source>Ihre Karte %1 von %2: %3</source>
        <translation>Your card %1 of %2: %3</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Computer %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Karten</source>
        <translation>
            <numerusform>%1: %n card</numerusform>
            <numerusform>%1: %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n Karten</source>
        <translation>
            <numerusform>%1, %n card</numerusform>
            <numerusform>%1, %n cards</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Turn</name>
    <message>
        <source>zieht eine Karte vom Stapel</source>
        <translation>draws from the stock</translation>
    </message>
    <message>
        <source>zieht %1 vom Ablagestapel</source>
        <translation>draws %1 from the discard pile</translation>
    </message>
    <message>
        <source>tauscht %1 gegen einen Joker</source>
        <translation>exchanges %1 for a Joker</translation>
    </message>
    <message>
        <source>legt %1 aus</source>
        <translation>melds %1</translation>
    </message>
    <message>
        <source>legt %1 an</source>
        <translation>lays off %1</translation>
    </message>
    <message>
        <source>wirft %1 ab</source>
        <translation>discards %1</translation>
    </message>
    <message>
        <source>Computer: %1.</source>
        <extracomment>The computer&apos;s turn in one sentence: %1 its steps, separated by commas.</extracomment>
        <translation>Computer: %1.</translation>
    </message>
    <message>
        <source>Computer %1: %2.</source>
        <extracomment>One computer&apos;s turn at a table of three or four: %1 its number, %2 its steps.</extracomment>
        <translation>Computer %1: %2.</translation>
    </message>
</context>
</TS>
