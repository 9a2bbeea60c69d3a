<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>PAUSED</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Press PLAY to begin</source>
        <translation>Bitte SPIELEN drücken</translation>
    </message>
    <message>
        <source>REPLAY</source>
        <translation>WIEDERGABE</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Torvane</source>
        <translation>Über Torvane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Quillfen Software</source>
        <translation>Copyright (C) 2026 Quillfen Software</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3 or later</source>
        <translation>GNU General Public License, Version 3 oder später</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.

This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.</source>
        <translation>Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version.

Dieses Programm wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE JEDE GEWÄHRLEISTUNG, sogar ohne die stillschweigende Gewährleistung der MARKTREIFE oder der EIGNUNG FÜR EINEN BESTIMMTEN ZWECK. Einzelheiten finden Sie in der GNU General Public License.</translation>
    </message>
    <message>
        <source>&amp;Licence ...</source>
        <translation>&amp;Lizenz ...</translation>
    </message>
    <message>
        <source>GNU General Public License</source>
        <translation>GNU General Public License</translation>
    </message>
</context>
<context>
    <name>CAccessibilityDlg</name>
    <message>
        <source>Show symbols on gems</source>
        <translation>Symbole auf den Steinen zeigen</translation>
    </message>
    <message>
        <source>Pause when the game window is not active</source>
        <translation>Anhalten, wenn das Spielfenster nicht aktiv ist</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Barrierefreiheit</translation>
    </message>
    <message>
        <source>Smooth motion</source>
        <translation>Flüssige Bewegung</translation>
    </message>
    <message>
        <source>Banners on a backing</source>
        <translation>Banner auf hellem Hintergrund</translation>
    </message>
    <message>
        <source>Gamepad vibration</source>
        <translation>Gamepad-Vibration</translation>
    </message>
</context>
<context>
    <name>CBoardAccessible</name>
    <message>
        <source>Game board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the board&apos;s name, then what a banner says</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>Bombs %1</source>
        <translation>Bomben %1</translation>
    </message>
    <message>
        <source>Left and Right arrows turn the wheel, Shift for small steps; Space drops a bomb.</source>
        <translation>Die Pfeiltasten links und rechts drehen das Rad, mit Umschalt in kleinen Schritten; die Leertaste wirft eine Bombe ab.</translation>
    </message>
</context>
<context>
    <name>CClockWarningDlg</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Torvane cannot find a high resolution clock on your computer.  Because of this, Torvane may not run correctly.

Do you want to try to run Torvane anysay?</source>
        <translation>Torvane findet auf Ihrem Computer keine hochauflösende Uhr. Deshalb läuft Torvane möglicherweise nicht richtig.

Möchten Sie Torvane trotzdem starten?</translation>
    </message>
    <message>
        <source>Never ask this question again</source>
        <translation>Diese Frage nicht mehr stellen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Watch the recorded game in &lt;file&gt;.</source>
        <translation>Zeigt das in &lt;Datei&gt; aufgezeichnete Spiel.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Turn the wheel so that falling gems close rings of one colour.</source>
        <translation>Das Rad so drehen, dass fallende Edelsteine einfarbige Ringe schließen.</translation>
    </message>
    <message>
        <source>Watch the recorded game in &lt;file&gt;, as --replay does.</source>
        <translation>Zeigt das in &lt;Datei&gt; aufgezeichnete Spiel, wie --replay.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>Give one replay file at a time.</source>
        <translation>Geben Sie nur eine Spielaufzeichnung auf einmal an.</translation>
    </message>
</context>
<context>
    <name>CCustomizeColorsDlg</name>
    <message>
        <source>Customize colors</source>
        <translation>Farben anpassen</translation>
    </message>
    <message>
        <source>Gem colors</source>
        <translation>Farben der Steine</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Restore default colors</source>
        <translation>Standardfarben wiederherstellen</translation>
    </message>
</context>
<context>
    <name>CDailyChart</name>
    <message>
        <source>Daily results</source>
        <translation>Tagesergebnisse</translation>
    </message>
    <message>
        <source>Daily results; lines: days in a row</source>
        <translation>Tagesergebnisse; Linien: Tage in Folge</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Result of the day</source>
        <translation>Ergebnis des Tages</translation>
    </message>
</context>
<context>
    <name>CDailyPanel</name>
    <message>
        <source>Daily game</source>
        <translation>Tagesspiel</translation>
    </message>
    <message>
        <source>Daily game of %1: %2 points, %3 rings</source>
        <translation>Tagesspiel vom %1: %2 Punkte, %3 Ringe</translation>
    </message>
    <message>
        <source>This was your result for %1.</source>
        <translation>Dies war Ihr Ergebnis für den %1.</translation>
    </message>
    <message>
        <source>Practice: your result for %1 was already made.</source>
        <translation>Übung: Ihr Ergebnis für den %1 stand schon fest.</translation>
    </message>
    <message>
        <source>Your best daily result: %1 points</source>
        <translation>Ihr bestes Tagesergebnis: %1 Punkte</translation>
    </message>
    <message>
        <source>Days in a row with a result: %1</source>
        <translation>Tage in Folge mit Ergebnis: %1</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Save replay as ...</source>
        <translation>Spielaufzeichnung speichern unter ...</translation>
    </message>
    <message>
        <source>Save replay as</source>
        <translation>Spielaufzeichnung speichern unter</translation>
    </message>
    <message>
        <source>Torvane replays (*.tvr);;All files (*)</source>
        <translation>Torvane-Spielaufzeichnungen (*.tvr);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Torvane daily %1: %2 points, %3 rings</source>
        <translation>Torvane-Tagesspiel %1: %2 Punkte, %3 Ringe</translation>
    </message>
    <message>
        <source>Torvane daily %1, practice: %2 points, %3 rings</source>
        <translation>Torvane-Tagesspiel %1, Übung: %2 Punkte, %3 Ringe</translation>
    </message>
</context>
<context>
    <name>CGameKeeper</name>
    <message>
        <source>Bringing back the game you left unfinished ...</source>
        <translation>Ihr angefangenes Spiel wird zurückgeholt ...</translation>
    </message>
    <message>
        <source>The game you left unfinished cannot go on. %1

%2 A new game starts.</source>
        <translation>Ihr angefangenes Spiel kann nicht fortgesetzt werden. %1

%2 Ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>It was set aside as %1.</source>
        <translation>Es wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>It stays as %1.</source>
        <translation>Es bleibt als %1 liegen.</translation>
    </message>
    <message>
        <source>Torvane could not keep your unfinished game: %1</source>
        <translation>Torvane konnte Ihr angefangenes Spiel nicht sichern: %1</translation>
    </message>
    <message>
        <source>Torvane cannot keep your game to go on with should the program end before the game does: the folder %1 cannot be written.</source>
        <translation>Torvane kann Ihr Spiel nicht zum Weiterspielen sichern, falls das Programm vor dem Spiel endet: In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>CGameLabel</name>
    <message>
        <source>Game %1</source>
        <translation>Spiel %1</translation>
    </message>
    <message>
        <source>Daily game, %1</source>
        <translation>Tagesspiel, %1</translation>
    </message>
    <message>
        <source>Daily game of %1, %2 points</source>
        <translation>Tagesspiel vom %1, %2 Punkte</translation>
    </message>
</context>
<context>
    <name>CGameNumberDlg</name>
    <message>
        <source>Play game number</source>
        <translation>Spiel mit Nummer spielen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Game &amp;number:</source>
        <translation>Spiel&amp;nummer:</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Schwierigkeit:</translation>
    </message>
    <message>
        <source>A game number is a whole number from %1 to %2.</source>
        <translation>Eine Spielnummer ist eine ganze Zahl von %1 bis %2.</translation>
    </message>
</context>
<context>
    <name>CGameOverDlg</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Would you like to play another game?</source>
        <translation>Möchten Sie noch ein Spiel spielen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>CGamesTableModel</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Played before the history</source>
        <translation>Vor dem Spielverlauf gespielt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Rings</source>
        <translation>Ringe</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Wie es endete</translation>
    </message>
</context>
<context>
    <name>CHighScoresDlg</name>
    <message>
        <source>Torvane -- High Scores</source>
        <translation>Torvane -- Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
</context>
<context>
    <name>CHistoryRecorder</name>
    <message numerus="yes">
        <source>Torvane could not write %n game(s) to the game history before closing.</source>
        <translation>
            <numerusform>Torvane konnte %n Spiel vor dem Beenden nicht in den Spielverlauf schreiben.</numerusform>
            <numerusform>Torvane konnte %n Spiele vor dem Beenden nicht in den Spielverlauf schreiben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CKeptGameSaver</name>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>CLockIndicators</name>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Play	Ctrl-P</source>
        <translation>&amp;Spielen	Strg+P</translation>
    </message>
    <message>
        <source>&amp;Pause	Ctrl-P</source>
        <translation>&amp;Pause	Strg+P</translation>
    </message>
    <message>
        <source>Quit &amp;tutorial</source>
        <translation>&amp;Einführung beenden</translation>
    </message>
    <message>
        <source>See &amp;tutorial</source>
        <translation>&amp;Einführung ansehen</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Pause	Ctrl+P</source>
        <translation>&amp;Pause	Strg+P</translation>
    </message>
    <message>
        <source>Pause/Play</source>
        <translation>Pause/Spielen</translation>
    </message>
    <message>
        <source>Drop &amp;bomb	Ctrl+B</source>
        <translation>&amp;Bombe abwerfen	Strg+B</translation>
    </message>
    <message>
        <source>Drop bomb</source>
        <translation>Bombe abwerfen</translation>
    </message>
    <message>
        <source>View hi&amp;gh scores</source>
        <translation>Bestenliste an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Watch last game</source>
        <translation>&amp;Letztes Spiel ansehen</translation>
    </message>
    <message>
        <source>Watch the last game played again</source>
        <translation>Das zuletzt gespielte Spiel noch einmal ansehen</translation>
    </message>
    <message>
        <source>Watch a &amp;replay ...</source>
        <translation>Spiel&amp;aufzeichnung ansehen ...</translation>
    </message>
    <message>
        <source>Watch a recorded game from a file</source>
        <translation>Ein aufgezeichnetes Spiel aus einer Datei ansehen</translation>
    </message>
    <message>
        <source>&amp;Quit game	Ctrl+Q</source>
        <translation>Spiel auf&amp;geben	Strg+Q</translation>
    </message>
    <message>
        <source>Quit game</source>
        <translation>Spiel aufgeben</translation>
    </message>
    <message>
        <source>&amp;New game	Ctrl+N</source>
        <translation>&amp;Neues Spiel	Strg+N</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Sound &amp;effects	Ctrl+E</source>
        <translation>&amp;Soundeffekte	Strg+E</translation>
    </message>
    <message>
        <source>Other options ...</source>
        <translation>Weitere Optionen ...</translation>
    </message>
    <message>
        <source>&amp;Accessibility ...</source>
        <translation>&amp;Barrierefreiheit ...</translation>
    </message>
    <message>
        <source>&amp;Full screen	F11</source>
        <translation>&amp;Vollbild	F11</translation>
    </message>
    <message>
        <source>Show the game on the whole screen</source>
        <translation>Das Spiel auf dem ganzen Bildschirm zeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Torvane</source>
        <translation>Ü&amp;ber Torvane</translation>
    </message>
    <message>
        <source>Pause and hide game</source>
        <translation>Spiel anhalten und ausblenden</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>S&amp;tatistics ...	Ctrl+T</source>
        <translation>Stat&amp;istik ...	Strg+T</translation>
    </message>
    <message>
        <source>Figures and charts of every game played</source>
        <translation>Zahlen und Diagramme aller gespielten Spiele</translation>
    </message>
    <message>
        <source>The daily game is played at Medium.</source>
        <translation>Das Tagesspiel wird auf Mittel gespielt.</translation>
    </message>
    <message>
        <source>&amp;Daily game	Ctrl+D</source>
        <translation>&amp;Tagesspiel	Strg+D</translation>
    </message>
    <message>
        <source>Play the game of the day, the same for everyone</source>
        <translation>Das Spiel des Tages spielen, für alle dasselbe</translation>
    </message>
    <message>
        <source>Play game n&amp;umber ...</source>
        <translation>Spiel &amp;mit Nummer spielen ...</translation>
    </message>
    <message>
        <source>Play a game again by its number</source>
        <translation>Ein Spiel über seine Nummer noch einmal spielen</translation>
    </message>
    <message>
        <source>&amp;Copy game number</source>
        <translation>Spielnummer &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the number of this game to the clipboard</source>
        <translation>Die Nummer dieses Spiels in die Zwischenablage kopieren</translation>
    </message>
</context>
<context>
    <name>CNewHighScoreDlg</name>
    <message>
        <source>High Score</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Your score is in the top ten!</source>
        <translation>Ihre Punktzahl gehört zu den zehn besten!</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Snap in</source>
        <translation>Einrasten</translation>
    </message>
    <message>
        <source>Explode</source>
        <translation>Explodieren</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Customize colors...</source>
        <translation>Farben anpassen...</translation>
    </message>
    <message>
        <source>Mouse wheel</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Counter-clockwise</source>
        <translation>Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
</context>
<context>
    <name>CPadBinding</name>
    <message>
        <source>Gamepad connected: %1</source>
        <translation>Gamepad verbunden: %1</translation>
    </message>
    <message>
        <source>Gamepad disconnected</source>
        <translation>Gamepad getrennt</translation>
    </message>
</context>
<context>
    <name>CReplayCheckJob</name>
    <message>
        <source>Checking the replay ...</source>
        <translation>Die Spielaufzeichnung wird geprüft ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CReplayFlow</name>
    <message>
        <source>Watch a replay</source>
        <translation>Spielaufzeichnung ansehen</translation>
    </message>
    <message>
        <source>Torvane replays (*.tvr);;All files (*)</source>
        <translation>Torvane-Spielaufzeichnungen (*.tvr);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Watching a replay will end the current game.<byte value="xd"/>
Do you want to end this game and watch the replay?</source>
        <translation>Wenn Sie eine Spielaufzeichnung ansehen, endet das laufende Spiel.<byte value="xd"/>
Möchten Sie dieses Spiel beenden und die Aufzeichnung ansehen?</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file, what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>CReplayShelf</name>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Torvane could not write the replay of your game: %1

Until Torvane starts again, replays that cannot be written are not told of again.</source>
        <translation>Torvane konnte die Aufzeichnung Ihres Spiels nicht schreiben: %1

Bis Torvane neu startet, wird nicht mehr gemeldet, wenn Aufzeichnungen nicht geschrieben werden können.</translation>
    </message>
    <message>
        <source>Torvane could not finish writing the replay of your game before closing.</source>
        <translation>Torvane konnte die Aufzeichnung Ihres Spiels vor dem Beenden nicht fertig schreiben.</translation>
    </message>
</context>
<context>
    <name>CReplaySpeedPane</name>
    <message>
        <source>Replay speed: %1x</source>
        <translation>Wiedergabetempo: %1x</translation>
    </message>
</context>
<context>
    <name>CSettingsFile</name>
    <message>
        <source>Your Torvane settings were damaged and could not be read. The damaged file was kept as:
%1

The default settings are in use from now on. The one high score that could still be read from it was kept.</source>
        <translation>Ihre Torvane-Einstellungen waren beschädigt und konnten nicht gelesen werden. Die beschädigte Datei wurde aufbewahrt als:
%1

Ab jetzt gelten die Standardeinstellungen. Der einzige Eintrag der Bestenliste, der sich noch daraus lesen ließ, ist erhalten geblieben.</translation>
    </message>
    <message>
        <source>Your Torvane settings were damaged and could not be read. The damaged file was kept as:
%1

The default settings are in use from now on. The %2 high scores that could still be read from it were kept.</source>
        <translation>Ihre Torvane-Einstellungen waren beschädigt und konnten nicht gelesen werden. Die beschädigte Datei wurde aufbewahrt als:
%1

Ab jetzt gelten die Standardeinstellungen. Die %2 Einträge der Bestenliste, die sich noch daraus lesen ließen, sind erhalten geblieben.</translation>
    </message>
    <message>
        <source>Your Torvane settings were damaged and could not be read. The damaged file was kept as:
%1

The default settings are in use from now on.</source>
        <translation>Ihre Torvane-Einstellungen waren beschädigt und konnten nicht gelesen werden. Die beschädigte Datei wurde aufbewahrt als:
%1

Ab jetzt gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>Your Torvane settings were damaged and could not be read, and the damaged file could not be set aside: %1

The default settings are in use, and nothing can be saved until the file is repaired or removed:
%2</source>
        <translation>Ihre Torvane-Einstellungen waren beschädigt und konnten nicht gelesen werden, und die beschädigte Datei ließ sich nicht beiseitelegen: %1

Es gelten die Standardeinstellungen, und nichts kann gespeichert werden, bis die Datei repariert oder entfernt ist:
%2</translation>
    </message>
    <message>
        <source>Your settings could not be saved: %1</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>the high score %1 of %2</source>
        <translation>der Eintrag %1 von %2 in der Bestenliste</translation>
    </message>
    <message>
        <source>the lock file cannot be made</source>
        <translation>Die Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>another copy of Torvane keeps the settings file locked</source>
        <translation>Ein anderes laufendes Torvane hält die Einstellungsdatei gesperrt</translation>
    </message>
    <message>
        <source>Some of the high scores in your Torvane settings could not be read, and a copy of the file could not be kept: %1

The scores that could be read are in use, and so are your settings.</source>
        <translation>Einige Bestenlisteneinträge in Ihren Torvane-Einstellungen konnten nicht gelesen werden, und eine Kopie der Datei konnte nicht angelegt werden: %1

Die lesbaren Einträge und Ihre Einstellungen bleiben in Gebrauch.</translation>
    </message>
    <message>
        <source>Some of the high scores in your Torvane settings could not be read. A copy of the file was kept as:
%1

The scores that could be read are in use, and so are your settings.</source>
        <translation>Einige Bestenlisteneinträge in Ihren Torvane-Einstellungen konnten nicht gelesen werden. Eine Kopie der Datei wurde gespeichert als:
%1

Die lesbaren Einträge und Ihre Einstellungen bleiben in Gebrauch.</translation>
    </message>
</context>
<context>
    <name>CSettingsMessages</name>
    <message>
        <source>Torvane could not save all of your changes before closing: %1

Not saved: %2.</source>
        <translation>Torvane konnte vor dem Beenden nicht alle Ihre Änderungen speichern: %1

Nicht gespeichert: %2.</translation>
    </message>
</context>
<context>
    <name>CStatisticsCharts</name>
    <message>
        <source>Scores over time</source>
        <translation>Punktzahlen im Lauf der Zeit</translation>
    </message>
    <message>
        <source>Scores reached</source>
        <translation>Erreichte Punktzahlen</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Scores; lines: average of the last %1</source>
        <translation>Punktzahlen; Linien: Durchschnitt der letzten %1</translation>
    </message>
    <message>
        <source>Score, from</source>
        <translation>Punktzahl, ab</translation>
    </message>
</context>
<context>
    <name>CStatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>All difficulties</source>
        <translation>Alle Schwierigkeitsgrade</translation>
    </message>
    <message>
        <source>&amp;Difficulty:</source>
        <translation>&amp;Schwierigkeitsgrad:</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>&amp;Save replay as ...</source>
        <translation>Spielaufzeichnung s&amp;peichern unter ...</translation>
    </message>
    <message>
        <source>&amp;Export as CSV ...</source>
        <translation>Als CSV e&amp;xportieren ...</translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation>&amp;Zahlen</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>Sp&amp;iele</translation>
    </message>
    <message>
        <source>&amp;Charts</source>
        <translation>&amp;Diagramme</translation>
    </message>
    <message>
        <source>Forget &amp;history ...</source>
        <translation>&amp;Verlauf vergessen ...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Beste Punktzahl</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Durchschnittliche Punktzahl</translation>
    </message>
    <message>
        <source>Median score</source>
        <translation>Mittlere Punktzahl (Median)</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Rings exploded</source>
        <translation>Gesprengte Ringe</translation>
    </message>
    <message>
        <source>Longest game</source>
        <translation>Längstes Spiel</translation>
    </message>
    <message>
        <source>Games above the median now</source>
        <translation>Spiele über dem Median zurzeit</translation>
    </message>
    <message>
        <source>Most games above the median in a row</source>
        <translation>Meiste Spiele über dem Median in Folge</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>The replay of this game is no longer in the history.</source>
        <translation>Die Aufzeichnung dieses Spiels ist nicht mehr im Spielverlauf.</translation>
    </message>
    <message>
        <source>The replay could not be written to a temporary file: %1</source>
        <translation>Die Aufzeichnung konnte nicht in eine temporäre Datei geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Save replay as</source>
        <translation>Spielaufzeichnung speichern unter</translation>
    </message>
    <message>
        <source>Torvane replays (*.tvr);;All files (*)</source>
        <translation>Torvane-Spielaufzeichnungen (*.tvr);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Forget history</source>
        <translation>Verlauf vergessen</translation>
    </message>
    <message>
        <source>Forget every game of the history? The high scores stay.</source>
        <translation>Alle Spiele des Spielverlaufs vergessen? Die Bestenliste bleibt.</translation>
    </message>
    <message>
        <source>The history could not be forgotten: %1</source>
        <translation>Der Spielverlauf konnte nicht vergessen werden: %1</translation>
    </message>
    <message>
        <source>Dai&amp;ly game</source>
        <translation>&amp;Tagesspiel</translation>
    </message>
    <message>
        <source>Days with a result:</source>
        <translation>Tage mit Ergebnis:</translation>
    </message>
    <message>
        <source>Days in a row with a result, now:</source>
        <translation>Tage in Folge mit Ergebnis, derzeit:</translation>
    </message>
    <message>
        <source>Most days in a row with a result:</source>
        <translation>Meiste Tage in Folge mit Ergebnis:</translation>
    </message>
    <message>
        <source>Best daily result:</source>
        <translation>Bestes Tagesergebnis:</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keines</translation>
    </message>
    <message>
        <source>%1 points on %2</source>
        <translation>%1 Punkte am %2</translation>
    </message>
</context>
<context>
    <name>CTutorialFlow</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Viewing the tutorial will end the current game.<byte value="xd"/>
Do you want to end this game and view the tutorial?</source>
        <translation>Wenn Sie die Einführung ansehen, endet das laufende Spiel.<byte value="xd"/>
Möchten Sie dieses Spiel beenden und die Einführung ansehen?</translation>
    </message>
</context>
<context>
    <name>CTutorialWnd</name>
    <message>
        <source>Tutorial</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>&lt;--- Previous page</source>
        <translation>&lt;--- Vorherige Seite</translation>
    </message>
    <message>
        <source>Quit tutorial</source>
        <translation>Einführung beenden</translation>
    </message>
</context>
<context>
    <name>CWelcomeDlg</name>
    <message>
        <source>Welcome to Torvane !</source>
        <translation>Willkommen bei Torvane!</translation>
    </message>
    <message>
        <source>Would you like to see a short tutorial which shows you how to play the game?</source>
        <translation>Möchten Sie eine kurze Einführung sehen, die Ihnen zeigt, wie das Spiel gespielt wird?</translation>
    </message>
</context>
<context>
    <name>DailyDate</name>
    <message>
        <source>d MMM yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The game history was not a plain file.</source>
        <translation>Der Spielverlauf war keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The game history is damaged and could not be set aside.</source>
        <translation>Der Spielverlauf ist beschädigt und konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The game history was written by a newer version of Torvane.</source>
        <translation>Der Spielverlauf wurde von einer neueren Version von Torvane geschrieben.</translation>
    </message>
    <message>
        <source>The game history was damaged.</source>
        <translation>Der Spielverlauf war beschädigt.</translation>
    </message>
    <message>
        <source>There is no game history there.</source>
        <translation>Dort ist kein Spielverlauf.</translation>
    </message>
    <message>
        <source>This is not a game history of this version.</source>
        <translation>Dies ist kein Spielverlauf dieser Version.</translation>
    </message>
    <message>
        <source>The game history is not open.</source>
        <translation>Der Spielverlauf ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 It was set aside as %2, and a new history begins. Your high scores are as they were.</source>
        <translation>%1 Er wurde als %2 beiseitegelegt, und ein neuer Spielverlauf beginnt. Ihre Bestenliste ist unverändert.</translation>
    </message>
    <message>
        <source>Torvane could not write the game history: %1

The games are kept and written as soon as it can.</source>
        <translation>Torvane konnte den Spielverlauf nicht schreiben: %1

Die Spiele werden aufbewahrt und geschrieben, sobald es möglich ist.</translation>
    </message>
</context>
<context>
    <name>KeptGame</name>
    <message>
        <source>This is not a game in progress: it has ended, or never began.</source>
        <translation>Dies ist kein laufendes Spiel: Es ist zu Ende oder hat nie begonnen.</translation>
    </message>
</context>
<context>
    <name>ReplayFile</name>
    <message>
        <source>This file is not a Torvane replay.</source>
        <translation>Diese Datei ist keine Torvane-Spielaufzeichnung.</translation>
    </message>
    <message>
        <source>This file is too large to be a Torvane replay: it unpacks to more than %1 MB, more than any game writes.</source>
        <translation>Diese Datei ist zu groß für eine Torvane-Spielaufzeichnung: Entpackt umfasst sie mehr als %1 MB, mehr, als je ein Spiel aufzeichnet.</translation>
    </message>
    <message>
        <source>This replay is damaged or cut short: line %1 is longer than any command.</source>
        <translation>Diese Spielaufzeichnung ist beschädigt oder unvollständig: Zeile %1 ist länger als jeder Befehl.</translation>
    </message>
    <message>
        <source>This replay is damaged or cut short: the compressed data is cut short.</source>
        <translation>Diese Spielaufzeichnung ist beschädigt oder unvollständig: Die komprimierten Daten brechen vorzeitig ab.</translation>
    </message>
    <message>
        <source>This replay is damaged or cut short: the compressed data is damaged.</source>
        <translation>Diese Spielaufzeichnung ist beschädigt oder unvollständig: Die komprimierten Daten sind beschädigt.</translation>
    </message>
    <message>
        <source>This replay is damaged or cut short: line %1: %2.</source>
        <translation>Diese Spielaufzeichnung ist beschädigt oder unvollständig: Zeile %1: %2.</translation>
    </message>
    <message>
        <source>This replay is damaged or cut short: it stops before its last line.</source>
        <translation>Diese Spielaufzeichnung ist beschädigt oder unvollständig: Sie bricht vor ihrer letzten Zeile ab.</translation>
    </message>
    <message>
        <source>This replay does not reach the score it records: it ends at %1 points, not at the %2 it records.</source>
        <translation>Diese Spielaufzeichnung erreicht nicht die aufgezeichnete Punktzahl: Sie endet bei %1 Punkten statt bei %2.</translation>
    </message>
    <message>
        <source>The replay %1 cannot be read: %2.</source>
        <translation>Die Spielaufzeichnung %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The replay %1 cannot be read: it is a folder, not a file.</source>
        <translation>Die Spielaufzeichnung %1 kann nicht gelesen werden: Sie ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The replay %1 cannot be read: it is a device, not a file.</source>
        <translation>Die Spielaufzeichnung %1 kann nicht gelesen werden: Sie ist ein Gerät, keine Datei.</translation>
    </message>
    <message>
        <source>The replay %1 cannot be read: it is a pipe, not a file.</source>
        <translation>Die Spielaufzeichnung %1 kann nicht gelesen werden: Sie ist eine Pipe, keine Datei.</translation>
    </message>
    <message>
        <source>The replay %1 cannot be read: it is a socket, not a file.</source>
        <translation>Die Spielaufzeichnung %1 kann nicht gelesen werden: Sie ist ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>The replay %1 cannot be read: it is not a regular file.</source>
        <translation>Die Spielaufzeichnung %1 kann nicht gelesen werden: Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>This file is too large to be a Torvane replay: it is larger than %1 MB, more than any game writes.</source>
        <translation>Diese Datei ist zu groß für eine Torvane-Spielaufzeichnung: Sie ist größer als %1 MB, mehr, als je ein Spiel aufzeichnet.</translation>
    </message>
    <message>
        <source>There is not enough memory free to read this replay.</source>
        <translation>Es ist nicht genug Arbeitsspeicher frei, um diese Spielaufzeichnung zu lesen.</translation>
    </message>
    <message>
        <source>The replay %1 cannot be read: it is a symbolic link, not a file.</source>
        <translation>Die Spielaufzeichnung %1 kann nicht gelesen werden: Sie ist eine symbolische Verknüpfung, keine Datei.</translation>
    </message>
    <message>
        <source>This replay was made by Torvane %1 with other rules than this version (%2) plays.</source>
        <translation>Diese Spielaufzeichnung stammt von Torvane %1 und folgt anderen Regeln, als diese Version (%2) spielt.</translation>
    </message>
    <message>
        <source>This replay is not the daily game of %1.</source>
        <translation>Diese Spielaufzeichnung ist nicht das Tagesspiel vom %1.</translation>
    </message>
</context>
<context>
    <name>ScoreDate</name>
    <message>
        <source>MMM d yy</source>
        <extracomment>An older date in the high-score list, in QLocale&apos;s date pattern letters: MMM the month&apos;s short name, d the day, yy the year&apos;s last two digits.</extracomment>
        <translation>d. MMM yy</translation>
    </message>
    <message>
        <source>MMM d</source>
        <extracomment>A recent date in the high-score list, in QLocale&apos;s date pattern letters: MMM the month&apos;s short name, d the day.</extracomment>
        <translation>d. MMM</translation>
    </message>
</context>
<context>
    <name>ScoreFlow</name>
    <message>
        <source>Your score could not be saved: %1</source>
        <translation>Ihre Punktzahl konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Your score of %1 no longer has a place in the table: another copy of Torvane entered better scores while you typed your name.</source>
        <translation>Ihre Punktzahl von %1 hat keinen Platz mehr in der Bestenliste: Eine andere Kopie von Torvane hat bessere Punktzahlen eingetragen, während Sie Ihren Namen eingaben.</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Welcome to Torvane!<byte value="xd"/>
Torvane is a game played with hexagonal gems.<byte value="xd"/>
<byte value="xd"/>
At the beginning of the game, there is one white gem in the center of the large green wheel.<byte value="xd"/>
This is called the central gem, and it is the only gem that is colored white.</source>
        <translation>Willkommen bei Torvane!<byte value="xd"/>
Torvane wird mit sechseckigen Edelsteinen gespielt.<byte value="xd"/>
<byte value="xd"/>
Zu Beginn des Spiels liegt ein weißer Stein in der Mitte des großen grünen Rades.<byte value="xd"/>
Er heißt Mittelstein und ist der einzige weiße Stein im Spiel.</translation>
    </message>
    <message>
        <source>Now there are three more gems.  They are falling toward the center.<byte value="xd"/>
<byte value="xd"/>
Watch how they stick together when they reach the center.</source>
        <translation>Jetzt kommen drei weitere Steine hinzu. Sie fallen auf die Mitte zu.<byte value="xd"/>
<byte value="xd"/>
Sehen Sie, wie sie aneinander haften bleiben, wenn sie die Mitte erreichen.</translation>
    </message>
    <message>
        <source>The object of the game is to build a connected ring of gems, all of the same color, which completely encircles the white central gem.  The chain must be a complete loop, but it can be any shape as long as it completely encircles the central gem.<byte value="xd"/>
<byte value="xd"/>
When you make a chain like this, all the gems in the chain disappear!  </source>
        <translation>Ziel des Spiels ist es, einen zusammenhängenden Ring aus Steinen derselben Farbe zu bilden, der den weißen Mittelstein vollständig umschließt. Die Kette muss eine geschlossene Schleife sein, kann aber jede beliebige Form haben, solange sie den Mittelstein vollständig umschließt.<byte value="xd"/>
<byte value="xd"/>
Wenn Sie eine solche Kette bilden, verschwinden alle Steine der Kette!</translation>
    </message>
    <message>
        <source>The simplest way  to encircle the central gem is to surround it with six gems of the same color, each of which touches the central one.<byte value="xd"/>
<byte value="xd"/>
Watch what happens when the yellow ring is complete!</source>
        <translation>Am einfachsten umschließen Sie den Mittelstein, indem Sie ihn mit sechs Steinen derselben Farbe umgeben, die ihn jeweils berühren.<byte value="xd"/>
<byte value="xd"/>
Sehen Sie, was passiert, wenn der gelbe Ring vollständig ist!</translation>
    </message>
    <message>
        <source>Here is a another example.  Watch the pink chain explode.<byte value="xd"/>
<byte value="xd"/>
Notice that even though the yellow group at the lower right makes a loop, it does not encircle the central white gem, so it does not disappear.</source>
        <translation>Hier ist ein weiteres Beispiel. Sehen Sie zu, wie die rosa Kette explodiert.<byte value="xd"/>
<byte value="xd"/>
Beachten Sie: Die gelbe Gruppe unten rechts bildet zwar eine Schleife, umschließt aber nicht den weißen Mittelstein und verschwindet deshalb nicht.</translation>
    </message>
    <message>
        <source>You direct the falling gems by turning the large green wheel.<byte value="xd"/>
<byte value="xd"/>
To turn the wheel, move the mouse cursor somewhere near the edge of the wheel, then press the left mouse button and hold it while you move the cursor around the edge of the wheel.<byte value="xd"/>
(If your mouse has a mousewheel, you can use the mousewheel instead.)<byte value="xd"/>
<byte value="xd"/>
Try moving the wheel now!</source>
        <translation>Sie lenken die fallenden Steine, indem Sie das große grüne Rad drehen.<byte value="xd"/>
<byte value="xd"/>
Um das Rad zu drehen, bewegen Sie den Mauszeiger in die Nähe des Radrands, drücken die linke Maustaste und halten sie gedrückt, während Sie den Zeiger am Rand des Rades entlangführen.<byte value="xd"/>
(Wenn Ihre Maus ein Mausrad hat, können Sie stattdessen das Mausrad benutzen.)<byte value="xd"/>
<byte value="xd"/>
Drehen Sie das Rad doch gleich einmal!</translation>
    </message>
    <message>
        <source>Another way to make gems disappear is to drop a bomb on them.<byte value="xd"/>
<byte value="xd"/>
A bomb destroys all the gems that it touches, and also destroys all chains of gems of the same color that are connected to the gems that it touches.</source>
        <translation>Sie können Steine auch verschwinden lassen, indem Sie eine Bombe auf sie abwerfen.<byte value="xd"/>
<byte value="xd"/>
Eine Bombe zerstört alle Steine, die sie berührt, und außerdem alle Ketten gleichfarbiger Steine, die mit diesen Steinen verbunden sind.</translation>
    </message>
    <message>
        <source>Your bombs are the red gems in the green rectangle at the upper left.<byte value="xd"/>
Drop a bomb in one of three ways:<byte value="xd"/>
click the &quot;Drop bomb&quot; button on the left toolbar, or<byte value="xd"/>
double-click inside the green bomb box, or<byte value="xd"/>
type control-B on the keyboard.<byte value="xd"/>
<byte value="xd"/>
Try it now!  Drop a bomb, then turn the wheel to make it go where you want.</source>
        <translation>Ihre Bomben sind die roten Steine im grünen Rechteck oben links.<byte value="xd"/>
Eine Bombe werfen Sie auf eine von drei Arten ab:<byte value="xd"/>
Klicken Sie links in der Werkzeugleiste auf die Schaltfläche „Bombe abwerfen“,<byte value="xd"/>
doppelklicken Sie in das grüne Bombenfeld<byte value="xd"/>
oder drücken Sie Strg+B auf der Tastatur.<byte value="xd"/>
<byte value="xd"/>
Probieren Sie es gleich aus! Werfen Sie eine Bombe ab und drehen Sie dann das Rad, damit sie dort landet, wo Sie sie haben möchten.</translation>
    </message>
    <message>
        <source>You get 10 points for each gem that falls.<byte value="xd"/>
You get 75 points for each gem that disappears when you encircle the center.<byte value="xd"/>
  (However, you don&apos;t get any points for blowing up gems with a bomb.)<byte value="xd"/>
Each time you get 4000 points, you get a new bomb.</source>
        <translation>Für jeden Stein, der fällt, erhalten Sie 10 Punkte.<byte value="xd"/>
Für jeden Stein, der verschwindet, wenn Sie die Mitte umschließen, erhalten Sie 75 Punkte.<byte value="xd"/>
  (Für Steine, die Sie mit einer Bombe sprengen, gibt es allerdings keine Punkte.)<byte value="xd"/>
Alle 4000 Punkte erhalten Sie eine neue Bombe.</translation>
    </message>
    <message>
        <source>Tips:<byte value="xd"/>
You can start and pause the game using the top button in the toolbar at the left.<byte value="xd"/>
You can make the game easier or harder by selecting the Options menu item.<byte value="xd"/>
You can also turn off sound effects and customize the gem colors from the Options menu item.<byte value="xd"/>
<byte value="xd"/>
You&apos;re now ready to play.  Have fun!</source>
        <translation>Tipps:<byte value="xd"/>
Mit der obersten Schaltfläche der Werkzeugleiste links starten Sie das Spiel und halten es an.<byte value="xd"/>
Im Menü „Optionen“ können Sie das Spiel leichter oder schwerer machen.<byte value="xd"/>
Dort können Sie auch die Soundeffekte ausschalten und die Farben der Steine anpassen.<byte value="xd"/>
<byte value="xd"/>
Jetzt sind Sie bereit zum Spielen. Viel Spaß!</translation>
    </message>
    <message>
        <source>Tutorial - page %1 of %2</source>
        <translation>Einführung – Seite %1 von %2</translation>
    </message>
    <message>
        <source>Next page ---&gt;</source>
        <translation>Nächste Seite ---&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
</TS>
