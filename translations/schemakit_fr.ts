<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>schemakit</name>
    <message>
        <source>The query builder is already running.</source>
        <translation>Le générateur de requêtes est déjà ouvert.</translation>
    </message>
    <message>
        <source>Vuvuredi Software: Visual SQLBuilder</source>
        <translation>Vuvuredi Software : générateur SQL visuel</translation>
    </message>
    <message>
        <source>%1 rows fetched; fetching stopped: %2</source>
        <translation>%1 lignes lues ; lecture interrompue : %2</translation>
    </message>
    <message>
        <source>%1 rows fetched so far; more as you scroll down</source>
        <translation>%1 lignes lues jusqu&apos;ici ; la suite en faisant défiler vers le bas</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Invalid PostgreSQL connection string: %1</source>
        <translation>Chaîne de connexion PostgreSQL non valide : %1</translation>
    </message>
    <message>
        <source>bad percent escape in &quot;%1&quot;</source>
        <translation>séquence d&apos;échappement en pourcentage incorrecte dans « %1 »</translation>
    </message>
    <message>
        <source>unclosed &quot;[&quot; in the host</source>
        <translation>« [ » non fermé dans l&apos;hôte</translation>
    </message>
    <message>
        <source>unexpected text after &quot;]&quot;</source>
        <translation>texte inattendu après « ] »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not key=value</source>
        <translation>« %1 » n&apos;est pas de la forme clé=valeur</translation>
    </message>
    <message>
        <source>a value without a keyword at position %1</source>
        <translation>une valeur sans mot-clé à la position %1</translation>
    </message>
    <message>
        <source>missing &quot;=&quot; after &quot;%1&quot;</source>
        <translation>« = » manquant après « %1 »</translation>
    </message>
    <message>
        <source>unterminated quoted value of &quot;%1&quot;</source>
        <translation>valeur entre guillemets non terminée pour « %1 »</translation>
    </message>
    <message>
        <source>the value of &quot;%1&quot; holds a &quot;;&quot;, which cannot be passed on</source>
        <translation>la valeur de « %1 » contient un « ; », qui ne peut pas être transmis</translation>
    </message>
    <message>
        <source>No database name is set</source>
        <translation>Aucun nom de base de données n&apos;est indiqué</translation>
    </message>
    <message>
        <source>The database name contains a NUL character</source>
        <translation>Le nom de la base de données contient un caractère NUL</translation>
    </message>
    <message>
        <source>No table given to read the fields of</source>
        <translation>Aucune table n&apos;est indiquée pour en lire les champs</translation>
    </message>
    <message>
        <source>Invalid join operator (%1)</source>
        <translation>Opérateur de jointure non valide (%1)</translation>
    </message>
    <message>
        <source>Invalid join kind (%1)</source>
        <translation>Type de jointure non valide (%1)</translation>
    </message>
    <message>
        <source>There is no SQL statement to execute</source>
        <translation>Il n&apos;y a aucune instruction SQL à exécuter</translation>
    </message>
    <message>
        <source>Unable to execute multiple statements at a time</source>
        <translation>Impossible d&apos;exécuter plusieurs instructions à la fois</translation>
    </message>
    <message>
        <source>Operation aborted</source>
        <translation>Opération interrompue</translation>
    </message>
    <message>
        <source>Invalid class typecast</source>
        <translation>Conversion de type non valide</translation>
    </message>
    <message>
        <source>Line %1 of the string table has no &apos;=&apos;.</source>
        <translation>La ligne %1 de la table des textes ne contient pas de « = ».</translation>
    </message>
    <message>
        <source>Line %1 of the string table names an unknown string &quot;%2&quot;.</source>
        <translation>La ligne %1 de la table des textes désigne un texte inconnu « %2 ».</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Parent must be TScrollBox or its descendant.</source>
        <comment>zbtNotValidTableParent</comment>
        <translation>Le parent doit être un TScrollBox ou l&apos;un de ses descendants.</translation>
    </message>
    <message>
        <source>select the unique records only</source>
        <comment>zbtUniqueOnly</comment>
        <translation>sélectionner uniquement les enregistrements distincts</translation>
    </message>
    <message>
        <source>You can not apply this aggregative function to *.</source>
        <comment>zbtAggIsNotAllowed</comment>
        <translation>Cette fonction d&apos;agrégation ne peut pas s&apos;appliquer à *.</translation>
    </message>
    <message>
        <source>These items are already linked.</source>
        <comment>zbtItemLinked</comment>
        <translation>Ces éléments sont déjà liés.</translation>
    </message>
    <message>
        <source>Columns</source>
        <comment>strColumnPage</comment>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>strOptionsPage</comment>
        <translation>Options</translation>
    </message>
    <message>
        <source>SQL</source>
        <comment>strSQLPage</comment>
        <translation>SQL</translation>
    </message>
    <message>
        <source>Results</source>
        <comment>strResultPage</comment>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Field</source>
        <comment>strFieldName</comment>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Table</source>
        <comment>strTableName</comment>
        <translation>Table</translation>
    </message>
    <message>
        <source>Calculate</source>
        <comment>strValueName</comment>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Sort</source>
        <comment>strSortName</comment>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Where</source>
        <comment>strWhereName</comment>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Grouping</source>
        <comment>strGroupName</comment>
        <translation>Groupement</translation>
    </message>
    <message>
        <source>Having</source>
        <comment>strHavingName</comment>
        <translation>Filtre groupé</translation>
    </message>
    <message>
        <source>Average</source>
        <comment>strValueAVG</comment>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Count</source>
        <comment>strValueCOUNT</comment>
        <translation>Nombre</translation>
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
        <translation>Somme</translation>
    </message>
    <message>
        <source>Ascending</source>
        <comment>strSortASC</comment>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Descending</source>
        <comment>strSortDESC</comment>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>sOK</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>sCancel</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>New SQL</source>
        <comment>sNewSQL</comment>
        <translation>Nouvelle requête SQL</translation>
    </message>
    <message>
        <source>Open SQL from file</source>
        <comment>sOpenSQL</comment>
        <translation>Ouvrir une requête SQL depuis un fichier</translation>
    </message>
    <message>
        <source>Save a current SQl into file</source>
        <comment>sSaveSQL</comment>
        <translation>Enregistrer la requête SQL actuelle dans un fichier</translation>
    </message>
    <message>
        <source>Show grid with columns</source>
        <comment>sShowGrid</comment>
        <translation>Afficher la grille des colonnes</translation>
    </message>
    <message>
        <source>Show list of tables</source>
        <comment>sShowTables</comment>
        <translation>Afficher la liste des tables</translation>
    </message>
    <message>
        <source>Generate SQL-statement</source>
        <comment>sGenSQL</comment>
        <translation>Générer l&apos;instruction SQL</translation>
    </message>
    <message>
        <source>Execute SQL and show results</source>
        <comment>sExecSQl</comment>
        <translation>Exécuter la requête SQL et afficher les résultats</translation>
    </message>
    <message>
        <source>Schema files (*.sch)|*.sch</source>
        <comment>sSchemaFiles</comment>
        <translation>Fichiers de schéma (*.sch)|*.sch</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*</source>
        <comment>sAllFiles</comment>
        <translation>Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Select All</source>
        <comment>sSelectAll</comment>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Unselect All</source>
        <comment>sUnSelectAll</comment>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Delete relations</source>
        <comment>sDeleteReleations</comment>
        <translation>Supprimer les relations</translation>
    </message>
    <message>
        <source>Delete item</source>
        <comment>sDeleteItem</comment>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>Edit relation...</source>
        <comment>sEditRelation</comment>
        <translation>Modifier la relation...</translation>
    </message>
    <message>
        <source>Delete relation</source>
        <comment>sDeleteRelation</comment>
        <translation>Supprimer la relation</translation>
    </message>
    <message>
        <source>Change background color...</source>
        <comment>sChangeBackground</comment>
        <translation>Changer la couleur de fond...</translation>
    </message>
    <message>
        <source>Change font...</source>
        <comment>sChangeFont</comment>
        <translation>Changer la police...</translation>
    </message>
    <message>
        <source>Relation properties</source>
        <translation>Propriétés de la relation</translation>
    </message>
    <message>
        <source> Join Operator </source>
        <translation> Opérateur </translation>
    </message>
    <message>
        <source> Join Type </source>
        <translation> Type de jointure </translation>
    </message>
    <message>
        <source>Inner</source>
        <translation>Interne</translation>
    </message>
    <message>
        <source>Left Outer</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right Outer</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Full Outer</source>
        <translation>Complète</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source> Parent </source>
        <translation> Parent </translation>
    </message>
    <message>
        <source>Table 1:</source>
        <translation>Table 1:</translation>
    </message>
    <message>
        <source>Column 1:</source>
        <translation>Colonne 1:</translation>
    </message>
    <message>
        <source> Child </source>
        <translation> Enfant </translation>
    </message>
    <message>
        <source>Table 2:</source>
        <translation>Table 2:</translation>
    </message>
    <message>
        <source>Column 2:</source>
        <translation>Colonne 2:</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>Impossible de créer le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: unknown picture format.</source>
        <translation>Impossible d&apos;exporter vers « %1 » : format d&apos;image inconnu.</translation>
    </message>
    <message>
        <source>Cannot export to &quot;%1&quot;: the diagram is too large.</source>
        <translation>Impossible d&apos;exporter vers « %1 » : le diagramme est trop grand.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid %2 value</source>
        <translation>« %1 » n&apos;est pas une valeur valide pour %2</translation>
    </message>
    <message>
        <source>Cannot write the stream: %1</source>
        <translation>Impossible d&apos;écrire dans le flux : %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot read the schema file: the stream is not open for reading.</source>
        <translation>Impossible de lire le fichier de schéma : le flux n&apos;est pas ouvert en lecture.</translation>
    </message>
    <message>
        <source>Listbox</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Check Listbox</source>
        <translation>Liste à cocher</translation>
    </message>
    <message>
        <source>Treeview</source>
        <translation>Arbre</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>Nouvel élément</translation>
    </message>
    <message>
        <source>New icon</source>
        <translation>Nouvelle icône</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Conception</translation>
    </message>
    <message>
        <source>FAX</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Relation</source>
        <translation>Relation</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>FolderBox</source>
        <translation>Classeur</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Courrier</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>WebData</source>
        <translation>Données web</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>StopLight</source>
        <translation>Feu tricolore</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Diagrams of data models and a visual SQL query builder for Qt.</source>
        <translation>Diagrammes de modèles de données et générateur visuel de requêtes SQL pour Qt.</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Index de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>%1 has no writable property %2.</source>
        <translation>%1 n&apos;a pas de propriété modifiable %2.</translation>
    </message>
    <message>
        <source>%1 cannot take the value %2.</source>
        <translation>%1 ne peut pas prendre la valeur %2.</translation>
    </message>
    <message>
        <source>A component needs a class and a palette page.</source>
        <translation>Un composant demande une classe et une page de palette.</translation>
    </message>
    <message>
        <source>A property editor needs a property type, a component class, a name and an editor.</source>
        <translation>Un éditeur de propriété demande un type de propriété, une classe de composant, un nom et un éditeur.</translation>
    </message>
</context>
<context>
    <name>schemakit::TSchemaItem</name>
    <message>
        <source>Table, 1 field</source>
        <translation>Table, 1 champ</translation>
    </message>
    <message numerus="yes">
        <source>Table, %n fields</source>
        <translation>
            <numerusform>Table, %n champ</numerusform>
            <numerusform>Table, %n champs</numerusform>
        </translation>
    </message>
    <message>
        <source>Tree, 1 node</source>
        <translation>Arbre, 1 nœud</translation>
    </message>
    <message numerus="yes">
        <source>Tree, %n nodes</source>
        <translation>
            <numerusform>Arbre, %n nœud</numerusform>
            <numerusform>Arbre, %n nœuds</numerusform>
        </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>schemakit::TSchemaRelation</name>
    <message>
        <source>Inner join</source>
        <translation>Jointure interne</translation>
    </message>
    <message>
        <source>Left outer join</source>
        <translation>Jointure externe gauche</translation>
    </message>
    <message>
        <source>Right outer join</source>
        <translation>Jointure externe droite</translation>
    </message>
    <message>
        <source>Full outer join</source>
        <translation>Jointure externe complète</translation>
    </message>
</context>
</TS>
