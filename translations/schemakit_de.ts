<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>schemakit</name>
    <message>
        <source>The query builder is already running.</source>
        <translation>Der Abfrage-Editor läuft bereits.</translation>
    </message>
    <message>
        <source>Vuvuredi Software: Visual SQLBuilder</source>
        <translation>Vuvuredi Software: Visueller SQL-Builder</translation>
    </message>
    <message>
        <source>%1 rows fetched; fetching stopped: %2</source>
        <translation>%1 Zeilen geladen; Laden abgebrochen: %2</translation>
    </message>
    <message>
        <source>%1 rows fetched so far; more as you scroll down</source>
        <translation>Bisher %1 Zeilen geladen; weitere beim Herunterscrollen</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige Ganzzahl</translation>
    </message>
    <message>
        <source>Invalid PostgreSQL connection string: %1</source>
        <translation>Ungültige PostgreSQL-Verbindungszeichenfolge: %1</translation>
    </message>
    <message>
        <source>bad percent escape in &quot;%1&quot;</source>
        <translation>ungültige Prozent-Kodierung in „%1“</translation>
    </message>
    <message>
        <source>unclosed &quot;[&quot; in the host</source>
        <translation>nicht geschlossene „[“ im Host</translation>
    </message>
    <message>
        <source>unexpected text after &quot;]&quot;</source>
        <translation>unerwarteter Text nach „]“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not key=value</source>
        <translation>„%1“ hat nicht die Form Schlüssel=Wert</translation>
    </message>
    <message>
        <source>a value without a keyword at position %1</source>
        <translation>ein Wert ohne Schlüsselwort an Position %1</translation>
    </message>
    <message>
        <source>missing &quot;=&quot; after &quot;%1&quot;</source>
        <translation>fehlendes „=“ nach „%1“</translation>
    </message>
    <message>
        <source>unterminated quoted value of &quot;%1&quot;</source>
        <translation>nicht abgeschlossener Wert in Anführungszeichen bei „%1“</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; holds a &quot;;&quot;, which cannot be passed on</source>
        <translation>der Wert von „%1“ enthält ein „;“, das nicht weitergegeben werden kann</translation>
    </message>
    <message>
        <source>No database name is set</source>
        <translation>Es ist kein Datenbankname angegeben</translation>
    </message>
    <message>
        <source>The database name contains a NUL character</source>
        <translation>Der Datenbankname enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>No table given to read the fields of</source>
        <translation>Keine Tabelle angegeben, deren Felder gelesen werden sollen</translation>
    </message>
    <message>
        <source>Invalid join operator (%1)</source>
        <translation>Ungültiger Verknüpfungsoperator (%1)</translation>
    </message>
    <message>
        <source>Invalid join kind (%1)</source>
        <translation>Ungültige Verknüpfungsart (%1)</translation>
    </message>
    <message>
        <source>There is no SQL statement to execute</source>
        <translation>Es gibt keine SQL-Anweisung zum Ausführen</translation>
    </message>
    <message>
        <source>Unable to execute multiple statements at a time</source>
        <translation>Mehrere Anweisungen können nicht auf einmal ausgeführt werden</translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Invalid class typecast</source>
        <translation>Ungültige Typumwandlung</translation>
    </message>
    <message>
        <source>Line %1 of the string table has no &apos;=&apos;.</source>
        <translation>Zeile %1 der Texttabelle enthält kein „=“.</translation>
    </message>
    <message>
        <source>Line %1 of the string table names an unknown string &quot;%2&quot;.</source>
        <translation>Zeile %1 der Texttabelle nennt einen unbekannten Text „%2“.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Parent must be TScrollBox or its descendant.</source>
        <comment>zbtNotValidTableParent</comment>
        <translation>Das übergeordnete Element muss eine TScrollBox oder davon abgeleitet sein.</translation>
    </message>
    <message>
        <source>select the unique records only</source>
        <comment>zbtUniqueOnly</comment>
        <translation>nur eindeutige Datensätze auswählen</translation>
    </message>
    <message>
        <source>You can not apply this aggregative function to *.</source>
        <comment>zbtAggIsNotAllowed</comment>
        <translation>Diese Aggregatfunktion kann nicht auf * angewendet werden.</translation>
    </message>
    <message>
        <source>These items are already linked.</source>
        <comment>zbtItemLinked</comment>
        <translation>Diese Elemente sind bereits verknüpft.</translation>
    </message>
    <message>
        <source>Columns</source>
        <comment>strColumnPage</comment>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>strOptionsPage</comment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>SQL</source>
        <comment>strSQLPage</comment>
        <translation>SQL</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>strResultPage</comment>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Field</source>
        <comment>strFieldName</comment>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Table</source>
        <comment>strTableName</comment>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Calculate</source>
        <comment>strValueName</comment>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Sort</source>
        <comment>strSortName</comment>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Where</source>
        <comment>strWhereName</comment>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Grouping</source>
        <comment>strGroupName</comment>
        <translation>Gruppierung</translation>
    </message>
    <message>
        <source>Having</source>
        <comment>strHavingName</comment>
        <translation>Gruppenfilter</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>strValueAVG</comment>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Count</source>
        <comment>strValueCOUNT</comment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Maximum</source>
        <comment>strValueMAX</comment>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Minimum</source>
        <comment>strValueMIN</comment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Summa</source>
        <comment>strValueSUM</comment>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Ascending</source>
        <comment>strSortASC</comment>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <comment>strSortDESC</comment>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>sOK</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>sCancel</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New SQL</source>
        <comment>sNewSQL</comment>
        <translation>Neue SQL-Abfrage</translation>
    </message>
    <message>
        <source>Open SQL from file</source>
        <comment>sOpenSQL</comment>
        <translation>SQL-Abfrage aus Datei öffnen</translation>
    </message>
    <message>
        <source>Save a current SQl into file</source>
        <comment>sSaveSQL</comment>
        <translation>Aktuelle SQL-Abfrage in Datei speichern</translation>
    </message>
    <message>
        <source>Show grid with columns</source>
        <comment>sShowGrid</comment>
        <translation>Spaltenraster anzeigen</translation>
    </message>
    <message>
        <source>Show list of tables</source>
        <comment>sShowTables</comment>
        <translation>Tabellenliste anzeigen</translation>
    </message>
    <message>
        <source>Generate SQL-statement</source>
        <comment>sGenSQL</comment>
        <translation>SQL-Anweisung erzeugen</translation>
    </message>
    <message>
        <source>Execute SQL and show results</source>
        <comment>sExecSQl</comment>
        <translation>SQL ausführen und Ergebnisse anzeigen</translation>
    </message>
    <message>
        <source>Schema files (*.sch)|*.sch</source>
        <comment>sSchemaFiles</comment>
        <translation>Schemadateien (*.sch)|*.sch</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*</source>
        <comment>sAllFiles</comment>
        <translation>Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Select All</source>
        <comment>sSelectAll</comment>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Unselect All</source>
        <comment>sUnSelectAll</comment>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Delete relations</source>
        <comment>sDeleteReleations</comment>
        <translation>Beziehungen löschen</translation>
    </message>
    <message>
        <source>Delete item</source>
        <comment>sDeleteItem</comment>
        <translation>Element löschen</translation>
    </message>
    <message>
        <source>Edit relation...</source>
        <comment>sEditRelation</comment>
        <translation>Beziehung bearbeiten...</translation>
    </message>
    <message>
        <source>Delete relation</source>
        <comment>sDeleteRelation</comment>
        <translation>Beziehung löschen</translation>
    </message>
    <message>
        <source>Change background color...</source>
        <comment>sChangeBackground</comment>
        <translation>Hintergrundfarbe ändern...</translation>
    </message>
    <message>
        <source>Change font...</source>
        <comment>sChangeFont</comment>
        <translation>Schriftart ändern...</translation>
    </message>
    <message>
        <source>Relation properties</source>
        <translation>Beziehungseigenschaften</translation>
    </message>
    <message>
        <source> Join Operator </source>
        <translation> Operator </translation>
    </message>
    <message>
        <source> Join Type </source>
        <translation> Verknüpfungsart </translation>
    </message>
    <message>
        <source>Inner</source>
        <translation>Innerer</translation>
    </message>
    <message>
        <source>Left Outer</source>
        <translation>Linker</translation>
    </message>
    <message>
        <source>Right Outer</source>
        <translation>Rechter</translation>
    </message>
    <message>
        <source>Full Outer</source>
        <translation>Voller</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source> Parent </source>
        <translation> Übergeordnet </translation>
    </message>
    <message>
        <source>Table 1:</source>
        <translation>Tabelle 1:</translation>
    </message>
    <message>
        <source>Column 1:</source>
        <translation>Spalte 1:</translation>
    </message>
    <message>
        <source> Child </source>
        <translation> Untergeordnet </translation>
    </message>
    <message>
        <source>Table 2:</source>
        <translation>Tabelle 2:</translation>
    </message>
    <message>
        <source>Column 2:</source>
        <translation>Spalte 2:</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>Datei „%1“ kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: unknown picture format.</source>
        <translation>Export nach „%1“ nicht möglich: unbekanntes Bildformat.</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: the diagram is too large.</source>
        <translation>Export nach „%1“ nicht möglich: Das Diagramm ist zu groß.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid %2 value</source>
        <translation>„%1“ ist kein gültiger Wert für %2</translation>
    </message>
    <message>
        <source>Cannot write the stream: %1</source>
        <translation>Der Datenstrom kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Datei „%1“ kann nicht erstellt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Cannot read the schema file: the stream is not open for reading.</source>
        <translation>Die Schemadatei kann nicht gelesen werden: Der Datenstrom ist nicht zum Lesen geöffnet.</translation>
    </message>
    <message>
        <source>Listbox</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Check Listbox</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>Treeview</source>
        <translation>Baum</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>Neues Element</translation>
    </message>
    <message>
        <source>New icon</source>
        <translation>Neues Symbol</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>FAX</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>Relation</source>
        <translation>Beziehung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>FolderBox</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>WebData</source>
        <translation>Webdaten</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>StopLight</source>
        <translation>Ampel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Diagrams of data models and a visual SQL query builder for Qt.</source>
        <translation>Diagramme von Datenmodellen und ein visueller SQL-Abfrage-Editor für Qt.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>%1 has no writable property %2.</source>
        <translation>%1 hat keine beschreibbare Eigenschaft %2.</translation>
    </message>
    <message>
        <source>%1 cannot take the value %2.</source>
        <translation>%1 kann den Wert %2 nicht annehmen.</translation>
    </message>
    <message>
        <source>A component needs a class and a palette page.</source>
        <translation>Eine Komponente braucht eine Klasse und eine Palettenseite.</translation>
    </message>
    <message>
        <source>A property editor needs a property type, a component class, a name and an editor.</source>
        <translation>Ein Eigenschaftseditor braucht einen Eigenschaftstyp, eine Komponentenklasse, einen Namen und einen Editor.</translation>
    </message>
</context>
<context>
    <name>schemakit::TSchemaItem</name>
    <message>
        <source>Table, 1 field</source>
        <translation>Tabelle, 1 Feld</translation>
    </message>
    <message numerus="yes">
        <source>Table, %n fields</source>
        <translation>
            <numerusform>Tabelle, %n Feld</numerusform>
            <numerusform>Tabelle, %n Felder</numerusform>
        </translation>
    </message>
    <message>
        <source>Tree, 1 node</source>
        <translation>Baum, 1 Knoten</translation>
    </message>
    <message numerus="yes">
        <source>Tree, %n nodes</source>
        <translation>
            <numerusform>Baum, %n Knoten</numerusform>
            <numerusform>Baum, %n Knoten</numerusform>
        </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>schemakit::TSchemaRelation</name>
    <message>
        <source>Inner join</source>
        <translation>Innerer Join</translation>
    </message>
    <message>
        <source>Left outer join</source>
        <translation>Linker äußerer Join</translation>
    </message>
    <message>
        <source>Right outer join</source>
        <translation>Rechter äußerer Join</translation>
    </message>
    <message>
        <source>Full outer join</source>
        <translation>Vollständiger äußerer Join</translation>
    </message>
</context>
</TS>
