<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en_US">
<context>
    <name>AboutForm</name>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>Written for winemaking shops and home winemakers by the Vintrelo developers.</source>
        <translation>Conçu pour les boutiques de vinification et les vinificateurs amateurs par les développeurs de Vintrelo.</translation>
    </message>
    <message>
        <source>Please be advised that we have taken every precaution possible when debugging this program, but we cannot accept responsibility for any errors, omissions or negligence, whether on our part or anyone else&apos;s.</source>
        <translation>Veuillez noter que nous avons pris toutes les précautions possibles lors du débogage de ce programme, mais nous ne pouvons accepter aucune responsabilité pour les erreurs, omissions ou négligences, qu&apos;elles soient de notre fait ou de celui de quiconque.</translation>
    </message>
    <message>
        <source>We encourage constructive feedback for future enhancements and releases of Vintrelo.</source>
        <translation>Vos commentaires constructifs sont les bienvenus pour les améliorations et les versions futures de Vintrelo.</translation>
    </message>
    <message>
        <source>Vintrelo Winery Software</source>
        <translation>Vintrelo, logiciel de vinification</translation>
    </message>
    <message>
        <source>www.vintrelo.example</source>
        <translation>www.vintrelo.example</translation>
    </message>
    <message>
        <source>Please email all inquiries to: support@vintrelo.example</source>
        <translation>Veuillez envoyer toute demande par courriel à&#xa0;: support@vintrelo.example</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>Vintrelo - Backups</source>
        <translation>Vintrelo - Sauvegardes</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation>Dossier des sauvegardes&#xa0;:</translation>
    </message>
    <message>
        <source>Last backup:</source>
        <translation>Dernière sauvegarde&#xa0;:</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>En ce moment&#xa0;:</translation>
    </message>
    <message>
        <source>Archives in the backup folder, newest first:</source>
        <translation>Archives du dossier des sauvegardes, la plus récente en premier&#xa0;:</translation>
    </message>
    <message>
        <source>Go Back to Main Menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>&amp;Choose folder…</source>
        <translation>&amp;Choisir le dossier…</translation>
    </message>
    <message>
        <source>&amp;Restore…</source>
        <translation>&amp;Restaurer…</translation>
    </message>
    <message>
        <source>Back &amp;up now</source>
        <translation>&amp;Sauvegarder maintenant</translation>
    </message>
</context>
<context>
    <name>BatchList</name>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>Double Click on any Row above to open the item.</source>
        <translation>Double-cliquez sur une rangée ci-dessus pour ouvrir l&apos;élément.</translation>
    </message>
    <message>
        <source>Go Back to Main Menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>E&amp;xport to CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
</context>
<context>
    <name>BatchMessages</name>
    <message>
        <source>Batch %1 already exists in the folder &quot;%2&quot;, so Vintrelo will not create a new batch under that identifier; nothing was written and the existing batch is unchanged.

The batch counter file &quot;%3&quot; holds a number that was used before. To go on, put the number %4 alone on the first line of that file, then choose &quot;Start a New Batch&quot; from the Main Menu again.</source>
        <translation>Le lot %1 existe déjà dans le dossier «&#xa0;%2&#xa0;»; Vintrelo ne créera donc pas de nouveau lot sous cet identifiant. Rien n&apos;a été écrit et le lot existant est inchangé.

Le fichier compteur de lots «&#xa0;%3&#xa0;» contient un numéro déjà utilisé. Pour continuer, inscrivez le numéro %4 seul sur la première ligne de ce fichier, puis choisissez de nouveau «&#xa0;Démarrer un nouveau lot&#xa0;» dans le menu principal.</translation>
    </message>
    <message>
        <source>Batch %1 was created in the folder &quot;%2&quot;, but the batch counter could not be advanced:

%3

Before you start another batch, put the number %4 alone on the first line of &quot;%5&quot;. Until then Vintrelo will refuse a new batch, because it would get the identifier %1 again.</source>
        <translation>Le lot %1 a été créé dans le dossier «&#xa0;%2&#xa0;», mais le compteur de lots n&apos;a pas pu être avancé&#xa0;:

%3

Avant de démarrer un autre lot, inscrivez le numéro %4 seul sur la première ligne de «&#xa0;%5&#xa0;». D&apos;ici là, Vintrelo refusera tout nouveau lot, car il recevrait de nouveau l&apos;identifiant %1.</translation>
    </message>
</context>
<context>
    <name>Chart1</name>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>Chemical and Ingredient Chart</source>
        <translation>Tableau des produits chimiques et des ingrédients</translation>
    </message>
    <message>
        <source>Go Back to Main Menu</source>
        <translation>Retour au menu principal</translation>
    </message>
</context>
<context>
    <name>ComingDays</name>
    <message>
        <source>Vintrelo - The coming days</source>
        <translation>Vintrelo - Les jours à venir</translation>
    </message>
    <message>
        <source>The Coming Days</source>
        <translation>Les jours à venir</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>Date d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Actions over the next 7 days</source>
        <translation>Opérations des 7 prochains jours</translation>
    </message>
    <message>
        <source>Actions to do on:</source>
        <translation>Opérations à faire le&#xa0;:</translation>
    </message>
    <message>
        <source>Click a day of the week, or choose any day above. Actions are only shown here; complete them on &quot;Things to do Today&quot;.</source>
        <translation>Cliquez sur un jour de la semaine, ou choisissez un jour ci-dessus. Les opérations sont seulement affichées ici; terminez-les dans «&#xa0;À faire aujourd&apos;hui&#xa0;».</translation>
    </message>
    <message>
        <source>Print To Do List</source>
        <translation>Imprimer les tâches</translation>
    </message>
    <message>
        <source>Back to Things to do Today</source>
        <translation>Retour à «&#xa0;À faire aujourd&apos;hui&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Completed2</name>
    <message>
        <source>Vintrelo - Completed Batches</source>
        <translation>Vintrelo - Lots terminés</translation>
    </message>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>Existing Batch</source>
        <translation>Lot existant</translation>
    </message>
    <message>
        <source>Quit &amp;&amp; Go Back</source>
        <translation>Quitter &amp;&amp; Retour</translation>
    </message>
    <message>
        <source>Print Batch &amp;Report</source>
        <translation>Imprimer le &amp;rapport</translation>
    </message>
</context>
<context>
    <name>ExistingInventory2</name>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>Existing Batch</source>
        <translation>Lot existant</translation>
    </message>
    <message>
        <source>Double Click in any Cell to edit the item.</source>
        <translation>Double-cliquez dans une cellule pour modifier l&apos;élément.</translation>
    </message>
    <message>
        <source>Insert New Row</source>
        <translation>Insérer une rangée</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Supprimer la rangée</translation>
    </message>
    <message>
        <source>Print Carboy Tag</source>
        <translation>Imprimer l&apos;étiquette de bonbonne</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Go Back</source>
        <translation>Enregistrer &amp;&amp; Retour</translation>
    </message>
    <message>
        <source>Quit &amp;&amp; Go Back</source>
        <translation>Quitter &amp;&amp; Retour</translation>
    </message>
    <message>
        <source>Print Batch &amp;Report</source>
        <translation>Imprimer le &amp;rapport</translation>
    </message>
</context>
<context>
    <name>FindBatch</name>
    <message>
        <source>Vintrelo - Find a Batch</source>
        <translation>Vintrelo - Trouver un lot</translation>
    </message>
    <message>
        <source>Find a Batch</source>
        <translation>Trouver un lot</translation>
    </message>
    <message>
        <source>Double Click on any Row above, or press Return, to open the batch.</source>
        <translation>Double-cliquez sur une ligne ci-dessus, ou appuyez sur Entrée, pour ouvrir le lot.</translation>
    </message>
    <message>
        <source>Go Back to Main Menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>E&amp;xport to CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Rechercher :</translation>
    </message>
</context>
<context>
    <name>FirstRun</name>
    <message>
        <source>Vintrelo can set up a new data folder now, with folders for recipes and batches, a batch counter starting at 1, lists of grape varieties, recipe actions and winemaking chemicals, and three starter recipes. An existing data folder can be chosen instead; nothing in it is replaced.

Suggested folder: %1</source>
        <translation>Vintrelo peut créer maintenant un nouveau dossier de données, avec des dossiers pour les recettes et les lots, un compteur de lots commençant à 1, des listes de cépages, d&apos;opérations de recette et de produits chimiques de vinification, ainsi que trois recettes de départ. Vous pouvez plutôt choisir un dossier de données existant; rien de ce qu&apos;il contient ne sera remplacé.

Dossier suggéré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Create the Suggested Folder</source>
        <translation>Créer le dossier suggéré</translation>
    </message>
    <message>
        <source>Choose Another Folder...</source>
        <translation>Choisir un autre dossier...</translation>
    </message>
    <message>
        <source>Exit Vintrelo</source>
        <translation>Quitter Vintrelo</translation>
    </message>
    <message>
        <source>Choose or create the folder for Vintrelo&apos;s data</source>
        <translation>Choisissez ou créez le dossier des données de Vintrelo</translation>
    </message>
    <message>
        <source>Vintrelo&apos;s data folder is &quot;%1&quot;. The location file &quot;%2&quot; names it, so Vintrelo finds it from now on. Keep a backup of this folder: it holds all your batches and recipes.</source>
        <translation>Le dossier de données de Vintrelo est «&#xa0;%1&#xa0;». Le fichier d&apos;emplacement «&#xa0;%2&#xa0;» l&apos;indique; Vintrelo le trouvera donc désormais. Conservez une copie de sauvegarde de ce dossier&#xa0;: il contient tous vos lots et toutes vos recettes.</translation>
    </message>
</context>
<context>
    <name>InsertNewAction</name>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>Input some data below for your records </source>
        <translation>Entrez ci-dessous des données pour vos dossiers </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Date&#xa0;: </translation>
    </message>
    <message>
        <source>Action: </source>
        <translation>Opération&#xa0;: </translation>
    </message>
    <message>
        <source>New action manually created</source>
        <translation>Nouvelle opération créée manuellement</translation>
    </message>
    <message>
        <source>Amount: </source>
        <translation>Quantité&#xa0;: </translation>
    </message>
    <message>
        <source>Measurement: </source>
        <translation>Mesure&#xa0;: </translation>
    </message>
    <message>
        <source>Notes: </source>
        <translation>Notes&#xa0;: </translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>The action is already moved. &quot;Accept&quot; adds this note to the batch&apos;s record; &quot;Cancel&quot; goes back to the list without a note.</source>
        <translation>L&apos;opération est déjà déplacée. «&#xa0;Accepter&#xa0;» ajoute cette note au dossier du lot; «&#xa0;Annuler&#xa0;» revient à la liste sans note.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Vintrelo - Main Menu</source>
        <translation>Vintrelo - Menu principal</translation>
    </message>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>Start a New Batch</source>
        <translation>Démarrer un nouveau lot</translation>
    </message>
    <message>
        <source>Batches in Progress</source>
        <translation>Lots en cours</translation>
    </message>
    <message>
        <source>Things to do Today</source>
        <translation>À faire aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Completed wine</source>
        <translation>Vins terminés</translation>
    </message>
    <message>
        <source>Create a new Recipe</source>
        <translation>Créer une nouvelle recette</translation>
    </message>
    <message>
        <source>Modify an existing Recipe</source>
        <translation>Modifier une recette existante</translation>
    </message>
    <message>
        <source>Chemical Charts</source>
        <translation>Tableaux des produits chimiques</translation>
    </message>
    <message>
        <source>Exit Back</source>
        <translation>Sortir (retour à l&apos;accueil)</translation>
    </message>
    <message>
        <source>Vintrelo Winery Software</source>
        <translation>Vintrelo, logiciel de vinification</translation>
    </message>
    <message>
        <source>www.vintrelo.example</source>
        <translation>www.vintrelo.example</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Find a Batch</source>
        <translation>Trouver un lot</translation>
    </message>
</context>
<context>
    <name>ModifyRecipe</name>
    <message>
        <source>Vintrelo - Modify Recipe</source>
        <translation>Vintrelo - Modifier une recette</translation>
    </message>
    <message>
        <source>Existing Recipes in the system</source>
        <translation>Recettes existantes dans le système</translation>
    </message>
    <message>
        <source>Double Click on any Row above to open that Recipe.</source>
        <translation>Double-cliquez sur une rangée ci-dessus pour ouvrir cette recette.</translation>
    </message>
    <message>
        <source>Go Back to Main Menu</source>
        <translation>Retour au menu principal</translation>
    </message>
</context>
<context>
    <name>ModifyRecipe2</name>
    <message>
        <source>Vintrelo - Modify Existing Recipe</source>
        <translation>Vintrelo - Modifier une recette existante</translation>
    </message>
    <message>
        <source>Modify existing Recipe</source>
        <translation>Modifier une recette existante</translation>
    </message>
    <message>
        <source>Recipe number:</source>
        <translation>Numéro de recette&#xa0;:</translation>
    </message>
    <message>
        <source>Give a brief description of this recipe:</source>
        <translation>Donnez une brève description de cette recette&#xa0;:</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>NewBatch</name>
    <message>
        <source>Vintrelo - New Batch</source>
        <translation>Vintrelo - Nouveau lot</translation>
    </message>
    <message>
        <source>New Batch I.D. Number: </source>
        <translation>Nº du nouveau lot&#xa0;: </translation>
    </message>
    <message>
        <source>Customer Information</source>
        <translation>Renseignements sur le client</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>City / Town: </source>
        <translation>Ville / Municipalité&#xa0;: </translation>
    </message>
    <message>
        <source>Province / State : </source>
        <translation>Province / État&#xa0;: </translation>
    </message>
    <message>
        <source>Postal / Zip Code : </source>
        <translation>Code postal / ZIP&#xa0;: </translation>
    </message>
    <message>
        <source>Phone Number #1 : </source>
        <translation>Téléphone nº 1&#xa0;: </translation>
    </message>
    <message>
        <source>Phone Number #2 : </source>
        <translation>Téléphone nº 2&#xa0;: </translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Adresse courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Start up Information</source>
        <translation>Renseignements de démarrage</translation>
    </message>
    <message>
        <source>Other I.D.:</source>
        <translation>Autre identifiant&#xa0;:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numéro de série&#xa0;:</translation>
    </message>
    <message>
        <source>Variety:</source>
        <translation>Cépage&#xa0;:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Vintage:</source>
        <translation>Millésime&#xa0;:</translation>
    </message>
    <message>
        <source>Must Type:</source>
        <translation>Type de moût&#xa0;:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Provenance&#xa0;:</translation>
    </message>
    <message>
        <source>Batch Size:</source>
        <translation>Volume du lot&#xa0;:</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Coût&#xa0;:</translation>
    </message>
    <message>
        <source>Vintner:</source>
        <translation>Vinificateur&#xa0;:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
    <message>
        <source>Click on the recipe you wish to use on this batch.</source>
        <translation>Cliquez sur la recette à utiliser pour ce lot.</translation>
    </message>
    <message>
        <source>Ref #                                   Description</source>
        <translation>Réf. nº                                 Description</translation>
    </message>
    <message>
        <source>When finished, select one of the following options.</source>
        <translation>Lorsque vous avez terminé, choisissez l&apos;une des options suivantes.</translation>
    </message>
    <message>
        <source>Go Back / Quit</source>
        <translation>Retour / Quitter</translation>
    </message>
    <message>
        <source>Proceed to next screen</source>
        <translation>Passer à l&apos;écran suivant</translation>
    </message>
</context>
<context>
    <name>NewBatch2</name>
    <message>
        <source>Vintrelo - New Batch</source>
        <translation>Vintrelo - Nouveau lot</translation>
    </message>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>Please verify that the information above is correct before proceeding.</source>
        <translation>Veuillez vérifier que les renseignements ci-dessus sont exacts avant de continuer.</translation>
    </message>
    <message>
        <source>Go Back - some information is incorrect</source>
        <translation>Retour - certains renseignements sont inexacts</translation>
    </message>
    <message>
        <source>Continue - all information is OK</source>
        <translation>Continuer - tous les renseignements sont exacts</translation>
    </message>
</context>
<context>
    <name>NewBatch3</name>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>New Batch has been created</source>
        <translation>Le nouveau lot a été créé</translation>
    </message>
    <message>
        <source>Print out a Carboy / Tracking Tag</source>
        <translation>Imprimer une étiquette de bonbonne / de suivi</translation>
    </message>
    <message>
        <source>Start another Batch for the same customer</source>
        <translation>Démarrer un autre lot pour le même client</translation>
    </message>
    <message>
        <source>Go Back to Main Menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>Select an option above</source>
        <translation>Choisissez une option ci-dessus</translation>
    </message>
</context>
<context>
    <name>NewRecipe</name>
    <message>
        <source>Vintrelo - New Recipe</source>
        <translation>Vintrelo - Nouvelle recette</translation>
    </message>
    <message>
        <source>Create a new Recipe</source>
        <translation>Créer une nouvelle recette</translation>
    </message>
    <message>
        <source>Next available recipe number:</source>
        <translation>Prochain numéro de recette disponible&#xa0;:</translation>
    </message>
    <message>
        <source>Give a brief description of this recipe:</source>
        <translation>Donnez une brève description de cette recette&#xa0;:</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>Opening_Screen</name>
    <message>
        <source>Vintrelo - Opening Screen</source>
        <translation>Vintrelo - Écran d&apos;accueil</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Welcome to</source>
        <translation>Bienvenue dans</translation>
    </message>
    <message>
        <source>Vintrelo</source>
        <translation>Vintrelo</translation>
    </message>
    <message>
        <source>For accuracy please verify the Date above.</source>
        <translation>Par souci d&apos;exactitude, veuillez vérifier la date ci-dessus.</translation>
    </message>
    <message>
        <source>If the Date is not correct, please exit</source>
        <translation>Si la date n&apos;est pas exacte, veuillez quitter</translation>
    </message>
    <message>
        <source>Vintrelo and reset your system clock.</source>
        <translation>Vintrelo et régler l&apos;horloge de votre système.</translation>
    </message>
    <message>
        <source>Vintrelo Winery Software</source>
        <translation>Vintrelo, logiciel de vinification</translation>
    </message>
    <message>
        <source>www.vintrelo.example</source>
        <translation>www.vintrelo.example</translation>
    </message>
    <message>
        <source>Proceed to Main Menu</source>
        <translation>Aller au menu principal</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
</context>
<context>
    <name>ParticularsPanel</name>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>City / Town: </source>
        <translation>Ville / Municipalité&#xa0;: </translation>
    </message>
    <message>
        <source>Province / State: </source>
        <translation>Province / État&#xa0;: </translation>
    </message>
    <message>
        <source>Postal / Zip Code : </source>
        <translation>Code postal / ZIP&#xa0;: </translation>
    </message>
    <message>
        <source>Phone Number #1 : </source>
        <translation>Téléphone nº 1&#xa0;: </translation>
    </message>
    <message>
        <source>Phone Number #2 : </source>
        <translation>Téléphone nº 2&#xa0;: </translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Adresse courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Other I.D.:</source>
        <translation>Autre identifiant&#xa0;:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numéro de série&#xa0;:</translation>
    </message>
    <message>
        <source>Variety:</source>
        <translation>Cépage&#xa0;:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Vintage:</source>
        <translation>Millésime&#xa0;:</translation>
    </message>
    <message>
        <source>Must Type:</source>
        <translation>Type de moût&#xa0;:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Provenance&#xa0;:</translation>
    </message>
    <message>
        <source>Batch Size:</source>
        <translation>Volume du lot&#xa0;:</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Coût&#xa0;:</translation>
    </message>
    <message>
        <source>Vintner:</source>
        <translation>Vinificateur&#xa0;:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>The changes made on this screen have not been saved.

Do you want to leave without saving them?</source>
        <translation>Les modifications faites dans cet écran n&apos;ont pas été enregistrées.

Voulez-vous quitter sans les enregistrer?</translation>
    </message>
</context>
<context>
    <name>RecipeEditor</name>
    <message>
        <source>To calculate a Day #  enter number of days in the box on left and then click this button.</source>
        <translation>Pour calculer un jour nº  entrez le nombre de jours dans la case de gauche, puis cliquez sur ce bouton.</translation>
    </message>
    <message>
        <source>Click here to insert an empty Row in Grid above</source>
        <translation>Cliquez ici pour insérer une rangée vide dans la grille ci-dessus</translation>
    </message>
    <message>
        <source>Available Actions</source>
        <translation>Opérations disponibles</translation>
    </message>
    <message>
        <source>Double Click to insert Action into above Grid</source>
        <translation>Double-cliquez pour insérer l&apos;opération dans la grille ci-dessus</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Postponing by %1 days would move the actions of batch %2 off the calendar, which runs from %3 to %4. Batch %2 was not changed. Enter a smaller number of days.</source>
        <translation>Un report de %1 jours placerait les opérations du lot %2 hors du calendrier, qui va du %3 au %4. Le lot %2 n&apos;a pas été modifié. Entrez un plus petit nombre de jours.</translation>
    </message>
    <message>
        <source>Batch %1 was not changed: the due date &quot;%2&quot; of its action %3 is not a date, so the actions cannot be moved. Correct it in the batch editor, then try again.</source>
        <translation>Le lot %1 n&apos;a pas été modifié&#xa0;: la date prévue «&#xa0;%2&#xa0;» de son opération %3 n&apos;est pas une date; les opérations ne peuvent donc pas être déplacées. Corrigez-la dans l&apos;éditeur de lot, puis réessayez.</translation>
    </message>
    <message>
        <source>Batch %1 was not changed: postponing its action %2 by %3 days would make it due on %4, outside the calendar Vintrelo keeps (%5 to %6). Enter a smaller number of days.</source>
        <translation>Le lot %1 n&apos;a pas été modifié&#xa0;: reporter son opération %2 de %3 jours la placerait au %4, hors du calendrier de Vintrelo (du %5 au %6). Entrez un plus petit nombre de jours.</translation>
    </message>
    <message>
        <source>The batch counter file &quot;%1&quot; should hold the number of the next batch alone on its first line, but it holds &quot;%2&quot;. Put a number alone on that line, such as %3 (the next number no batch has used), then start the new batch again.</source>
        <translation>Le fichier compteur de lots «&#xa0;%1&#xa0;» devrait contenir le numéro du prochain lot, seul sur sa première ligne, mais il contient «&#xa0;%2&#xa0;». Inscrivez un numéro seul sur cette ligne, par exemple %3 (le prochain numéro qu&apos;aucun lot n&apos;a utilisé), puis démarrez de nouveau le nouveau lot.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the identifier of a batch, so Vintrelo did not open or write any file for it.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être l&apos;identifiant d&apos;un lot; Vintrelo n&apos;a donc ouvert ni écrit aucun fichier pour celui-ci.</translation>
    </message>
    <message>
        <source>The batch file &quot;%1&quot; is damaged: it has %2 lines, fewer than the %3 lines every batch file starts with. Vintrelo will not use it until it is repaired or restored from your backup.</source>
        <translation>Le fichier de lot «&#xa0;%1&#xa0;» est endommagé&#xa0;: il compte %2 lignes, moins que les %3 lignes par lesquelles commence tout fichier de lot. Vintrelo ne l&apos;utilisera pas tant qu&apos;il n&apos;aura pas été réparé ou restauré à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>The batch file &quot;%1&quot; is damaged: its action %2 is cut short after %3 of its %4 lines. Vintrelo will not use it until it is repaired or restored from your backup.</source>
        <translation>Le fichier de lot «&#xa0;%1&#xa0;» est endommagé&#xa0;: son opération %2 est tronquée après %3 de ses %4 lignes. Vintrelo ne l&apos;utilisera pas tant qu&apos;il n&apos;aura pas été réparé ou restauré à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>The batch file &quot;%1&quot; is damaged: the due date &quot;%2&quot; of its action %3 is not a date. Correct it in the batch editor, or restore the file from your backup.</source>
        <translation>Le fichier de lot «&#xa0;%1&#xa0;» est endommagé&#xa0;: la date prévue «&#xa0;%2&#xa0;» de son opération %3 n&apos;est pas une date. Corrigez-la dans l&apos;éditeur de lot, ou restaurez le fichier à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not create batch %1 because the folder &quot;%2&quot; does not exist. Nothing was written.</source>
        <translation>Vintrelo n&apos;a pas pu créer le lot %1, car le dossier «&#xa0;%2&#xa0;» n&apos;existe pas. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Vintrelo did not create batch %1 because the folder &quot;%2&quot; already holds a batch file of that identifier. Nothing was written; the existing batch is unchanged.</source>
        <translation>Vintrelo n&apos;a pas créé le lot %1, car le dossier «&#xa0;%2&#xa0;» contient déjà un fichier de lot portant cet identifiant. Rien n&apos;a été écrit; le lot existant est inchangé.</translation>
    </message>
    <message>
        <source>Batch %1 has no action number %2 (it has %3 actions), so nothing was changed. Close this screen and open the batch again.</source>
        <translation>Le lot %1 n&apos;a pas d&apos;opération nº %2 (il compte %3 opérations); rien n&apos;a donc été modifié. Fermez cet écran et ouvrez de nouveau le lot.</translation>
    </message>
    <message>
        <source>Batch %1 was not changed: it is finished and belongs in the folder &quot;%2&quot;, which does not exist. Restore the folder, then try again.</source>
        <translation>Le lot %1 n&apos;a pas été modifié&#xa0;: il est terminé et doit aller dans le dossier «&#xa0;%2&#xa0;», qui n&apos;existe pas. Restaurez le dossier, puis réessayez.</translation>
    </message>
    <message>
        <source>Batch %1 was not changed: it is finished, but the folder &quot;%2&quot; already holds a file named &quot;%3&quot;. Move or rename that file, then try again.</source>
        <translation>Le lot %1 n&apos;a pas été modifié&#xa0;: il est terminé, mais le dossier «&#xa0;%2&#xa0;» contient déjà un fichier nommé «&#xa0;%3&#xa0;». Déplacez ou renommez ce fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>Batch %1 was not changed: its file &quot;%2&quot; was moved or deleted while Vintrelo was saving it. Look for the file in the data folder, or restore it from your backup.</source>
        <translation>Le lot %1 n&apos;a pas été modifié&#xa0;: son fichier «&#xa0;%2&#xa0;» a été déplacé ou supprimé pendant que Vintrelo l&apos;enregistrait. Cherchez le fichier dans le dossier de données, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Batch %1 was saved, but it could not be moved to the completed batches. %2</source>
        <translation>Le lot %1 a été enregistré, mais il n&apos;a pas pu être déplacé vers les lots terminés. %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City / Town</source>
        <translation>Ville / Municipalité</translation>
    </message>
    <message>
        <source>Province / State</source>
        <translation>Province / État</translation>
    </message>
    <message>
        <source>Postal / Zip Code</source>
        <translation>Code postal / ZIP</translation>
    </message>
    <message>
        <source>Phone Number #1</source>
        <translation>Téléphone nº 1</translation>
    </message>
    <message>
        <source>Phone Number #2</source>
        <translation>Téléphone nº 2</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse courriel</translation>
    </message>
    <message>
        <source>Other I.D.</source>
        <translation>Autre identifiant</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Variety</source>
        <translation>Cépage</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Millésime</translation>
    </message>
    <message>
        <source>Must Type</source>
        <translation>Type de moût</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Provenance</translation>
    </message>
    <message>
        <source>Batch Size</source>
        <translation>Volume du lot</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Vintner</source>
        <translation>Vinificateur</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Recette</translation>
    </message>
    <message>
        <source>Day #</source>
        <translation>Jour nº</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Date prévue</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Date Completed</source>
        <translation>Date de réalisation</translation>
    </message>
    <message>
        <source>Vintrelo did not write batch %1: its start date &quot;%2&quot; is not a date that Vintrelo can read back as the same day. Nothing was changed. Enter a date with its year, such as %3, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le lot %1&#xa0;: sa date de début «&#xa0;%2&#xa0;» n&apos;est pas une date que Vintrelo peut relire comme le même jour. Rien n&apos;a été modifié. Entrez une date avec son année, par exemple %3, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not write batch %1: the due date of its action %2 &quot;%3&quot; is not a date that Vintrelo can read back as the same day. Nothing was changed. Enter a date with its year, such as %4, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le lot %1&#xa0;: la date prévue de son opération %2, «&#xa0;%3&#xa0;», n&apos;est pas une date que Vintrelo peut relire comme le même jour. Rien n&apos;a été modifié. Entrez une date avec son année, par exemple %4, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not write batch %1: the completion date of its action %2 &quot;%3&quot; is not a date that Vintrelo can read back as the same day. Nothing was changed. Enter a date with its year, such as %4, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le lot %1&#xa0;: la date de réalisation de son opération %2, «&#xa0;%3&#xa0;», n&apos;est pas une date que Vintrelo peut relire comme le même jour. Rien n&apos;a été modifié. Entrez une date avec son année, par exemple %4, puis réessayez.</translation>
    </message>
    <message>
        <source>The chemical and ingredient chart &quot;%1&quot; ends in the middle of an entry: its last entry has only %2 of its six lines and is not shown. Complete that entry in the file, or remove its lines.</source>
        <translation>Le tableau des produits chimiques et des ingrédients «&#xa0;%1&#xa0;» se termine au milieu d&apos;une entrée&#xa0;: sa dernière entrée ne compte que %2 de ses six lignes et n&apos;est pas affichée. Complétez cette entrée dans le fichier, ou supprimez ses lignes.</translation>
    </message>
    <message>
        <source>Vintrelo could not find its location file &quot;%1&quot; in &quot;%2&quot;. This file names the folder that holds your batches and recipes.</source>
        <translation>Vintrelo ne trouve pas son fichier d&apos;emplacement «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;». Ce fichier indique le dossier qui contient vos lots et vos recettes.</translation>
    </message>
    <message>
        <source>The location file &quot;%1&quot; is empty: its first line should name the folder that holds your batches and recipes.</source>
        <translation>Le fichier d&apos;emplacement «&#xa0;%1&#xa0;» est vide&#xa0;: sa première ligne devrait indiquer le dossier qui contient vos lots et vos recettes.</translation>
    </message>
    <message>
        <source>The location file &quot;%1&quot; has an empty first line: that line should name the folder that holds your batches and recipes.</source>
        <translation>La première ligne du fichier d&apos;emplacement «&#xa0;%1&#xa0;» est vide&#xa0;: cette ligne devrait indiquer le dossier qui contient vos lots et vos recettes.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; named in the location file &quot;%2&quot; does not exist. If it is on a removable or network drive, connect the drive and start Vintrelo again.</source>
        <translation>Le dossier de données «&#xa0;%1&#xa0;» indiqué dans le fichier d&apos;emplacement «&#xa0;%2&#xa0;» n&apos;existe pas. S&apos;il se trouve sur un lecteur amovible ou réseau, connectez le lecteur et relancez Vintrelo.</translation>
    </message>
    <message>
        <source>Vintrelo could not write its location file &quot;%1&quot; beside the program or in your configuration folder. %2</source>
        <translation>Vintrelo n&apos;a pas pu écrire son fichier d&apos;emplacement «&#xa0;%1&#xa0;» à côté du programme ni dans votre dossier de configuration. %2</translation>
    </message>
    <message>
        <source>The batch file &quot;%1&quot; could not be read.</source>
        <translation>Le fichier de lot «&#xa0;%1&#xa0;» n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Vintrelo could not find the batch file of batch %1 &quot;%2&quot;. Check that the file is there, or restore it from your backup.</source>
        <translation>Vintrelo ne trouve pas le fichier du lot %1 «&#xa0;%2&#xa0;». Vérifiez que le fichier s&apos;y trouve, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the batch file of batch %1 &quot;%2&quot; (%3). Check that the file is not open in another program and that you may read it.</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier du lot %1 «&#xa0;%2&#xa0;» (%3). Vérifiez que le fichier n&apos;est pas ouvert dans un autre programme et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the batch file of batch %1 &quot;%2&quot; (%3).</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier du lot %1 «&#xa0;%2&#xa0;» (%3).</translation>
    </message>
    <message>
        <source>Vintrelo could not write the working file &quot;%2&quot; while saving the batch file of batch %1 (%3). Nothing was changed. Check that the data folder is not read-only and that the disk is not full, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu écrire le fichier de travail «&#xa0;%2&#xa0;» en enregistrant le fichier du lot %1 (%3). Rien n&apos;a été modifié. Vérifiez que le dossier de données n&apos;est pas en lecture seule et que le disque n&apos;est pas plein, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not replace the batch file of batch %1 &quot;%2&quot; with its new content (%3). The file was left as it was. Check that the data folder is not read-only, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu remplacer le fichier du lot %1 «&#xa0;%2&#xa0;» par son nouveau contenu (%3). Le fichier est resté tel quel. Vérifiez que le dossier de données n&apos;est pas en lecture seule, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not create the batch file of batch %1 &quot;%2&quot; because a file of that name already exists. Nothing was changed.</source>
        <translation>Vintrelo n&apos;a pas créé le fichier du lot %1 «&#xa0;%2&#xa0;», car un fichier de ce nom existe déjà. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Vintrelo could not create the batch file of batch %1 &quot;%2&quot; (%3). Nothing was changed.</source>
        <translation>Vintrelo n&apos;a pas pu créer le fichier du lot %1 «&#xa0;%2&#xa0;» (%3). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Vintrelo could not move the batch file of batch %1 because the folder &quot;%2&quot; does not exist. The file stays at &quot;%3&quot;.</source>
        <translation>Vintrelo n&apos;a pas pu déplacer le fichier du lot %1, car le dossier «&#xa0;%2&#xa0;» n&apos;existe pas. Le fichier reste à «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Vintrelo could not move the batch file of batch %1 because &quot;%2&quot; already exists. Neither file was changed; the file stays at &quot;%3&quot;.</source>
        <translation>Vintrelo n&apos;a pas pu déplacer le fichier du lot %1, car «&#xa0;%2&#xa0;» existe déjà. Aucun des deux fichiers n&apos;a été modifié; le fichier reste à «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Vintrelo could not move the batch file of batch %1 to &quot;%2&quot; (%3). The file stays at &quot;%4&quot;.</source>
        <translation>Vintrelo n&apos;a pas pu déplacer le fichier du lot %1 vers «&#xa0;%2&#xa0;» (%3). Le fichier reste à «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <source>Vintrelo could not find the recipe file &quot;%1&quot; &quot;%2&quot;. Check that the file is there, or restore it from your backup.</source>
        <translation>Vintrelo ne trouve pas le fichier de recette «&#xa0;%1&#xa0;» «&#xa0;%2&#xa0;». Vérifiez que le fichier s&apos;y trouve, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the recipe file &quot;%1&quot; &quot;%2&quot; (%3). Check that the file is not open in another program and that you may read it.</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier de recette «&#xa0;%1&#xa0;» «&#xa0;%2&#xa0;» (%3). Vérifiez que le fichier n&apos;est pas ouvert dans un autre programme et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the recipe file &quot;%1&quot; &quot;%2&quot; (%3).</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier de recette «&#xa0;%1&#xa0;» «&#xa0;%2&#xa0;» (%3).</translation>
    </message>
    <message>
        <source>Vintrelo could not write the working file &quot;%2&quot; while saving the recipe file &quot;%1&quot; (%3). Nothing was changed. Check that the data folder is not read-only and that the disk is not full, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu écrire le fichier de travail «&#xa0;%2&#xa0;» en enregistrant le fichier de recette «&#xa0;%1&#xa0;» (%3). Rien n&apos;a été modifié. Vérifiez que le dossier de données n&apos;est pas en lecture seule et que le disque n&apos;est pas plein, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not replace the recipe file &quot;%1&quot; &quot;%2&quot; with its new content (%3). The file was left as it was. Check that the data folder is not read-only, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu remplacer le fichier de recette «&#xa0;%1&#xa0;» «&#xa0;%2&#xa0;» par son nouveau contenu (%3). Le fichier est resté tel quel. Vérifiez que le dossier de données n&apos;est pas en lecture seule, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not create the recipe file &quot;%1&quot; &quot;%2&quot; because a file of that name already exists. Nothing was changed.</source>
        <translation>Vintrelo n&apos;a pas créé le fichier de recette «&#xa0;%1&#xa0;» «&#xa0;%2&#xa0;», car un fichier de ce nom existe déjà. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Vintrelo could not create the recipe file &quot;%1&quot; &quot;%2&quot; (%3). Nothing was changed.</source>
        <translation>Vintrelo n&apos;a pas pu créer le fichier de recette «&#xa0;%1&#xa0;» «&#xa0;%2&#xa0;» (%3). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Vintrelo could not find the recipe file &quot;%1&quot;. Check that the file is there, or restore it from your backup.</source>
        <translation>Vintrelo ne trouve pas le fichier de recette «&#xa0;%1&#xa0;». Vérifiez que le fichier s&apos;y trouve, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the recipe file &quot;%1&quot; (%2). Check that the file is not open in another program and that you may read it.</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier de recette «&#xa0;%1&#xa0;» (%2). Vérifiez que le fichier n&apos;est pas ouvert dans un autre programme et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the recipe file &quot;%1&quot; (%2).</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier de recette «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>Vintrelo could not find the batch counter file &quot;%1&quot;. Check that the file is there, or restore it from your backup.</source>
        <translation>Vintrelo ne trouve pas le fichier compteur de lots «&#xa0;%1&#xa0;». Vérifiez que le fichier s&apos;y trouve, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the batch counter file &quot;%1&quot; (%2). Check that the file is not open in another program and that you may read it.</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier compteur de lots «&#xa0;%1&#xa0;» (%2). Vérifiez que le fichier n&apos;est pas ouvert dans un autre programme et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the batch counter file &quot;%1&quot; (%2).</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier compteur de lots «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>Vintrelo could not write the working file &quot;%1&quot; while saving the batch counter file (%2). Nothing was changed. Check that the data folder is not read-only and that the disk is not full, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu écrire le fichier de travail «&#xa0;%1&#xa0;» en enregistrant le fichier compteur de lots (%2). Rien n&apos;a été modifié. Vérifiez que le dossier de données n&apos;est pas en lecture seule et que le disque n&apos;est pas plein, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not replace the batch counter file &quot;%1&quot; with its new content (%2). The file was left as it was. Check that the data folder is not read-only, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu remplacer le fichier compteur de lots «&#xa0;%1&#xa0;» par son nouveau contenu (%2). Le fichier est resté tel quel. Vérifiez que le dossier de données n&apos;est pas en lecture seule, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not find the location file &quot;%1&quot;. Check that the file is there, or restore it from your backup.</source>
        <translation>Vintrelo ne trouve pas le fichier d&apos;emplacement «&#xa0;%1&#xa0;». Vérifiez que le fichier s&apos;y trouve, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the location file &quot;%1&quot; (%2). Check that the file is not open in another program and that you may read it.</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier d&apos;emplacement «&#xa0;%1&#xa0;» (%2). Vérifiez que le fichier n&apos;est pas ouvert dans un autre programme et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the location file &quot;%1&quot; (%2).</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier d&apos;emplacement «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>Vintrelo could not write the working file &quot;%1&quot; while saving the location file (%2). Nothing was changed. Check that the data folder is not read-only and that the disk is not full, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu écrire le fichier de travail «&#xa0;%1&#xa0;» en enregistrant le fichier d&apos;emplacement (%2). Rien n&apos;a été modifié. Vérifiez que le dossier de données n&apos;est pas en lecture seule et que le disque n&apos;est pas plein, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not replace the location file &quot;%1&quot; with its new content (%2). The file was left as it was. Check that the data folder is not read-only, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu remplacer le fichier d&apos;emplacement «&#xa0;%1&#xa0;» par son nouveau contenu (%2). Le fichier est resté tel quel. Vérifiez que le dossier de données n&apos;est pas en lecture seule, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not find the chemical and ingredient chart &quot;%1&quot;. Check that the file is there, or restore it from your backup.</source>
        <translation>Vintrelo ne trouve pas le tableau des produits chimiques et des ingrédients «&#xa0;%1&#xa0;». Vérifiez que le fichier s&apos;y trouve, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the chemical and ingredient chart &quot;%1&quot; (%2). Check that the file is not open in another program and that you may read it.</source>
        <translation>Vintrelo n&apos;a pas pu lire le tableau des produits chimiques et des ingrédients «&#xa0;%1&#xa0;» (%2). Vérifiez que le fichier n&apos;est pas ouvert dans un autre programme et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the chemical and ingredient chart &quot;%1&quot; (%2).</source>
        <translation>Vintrelo n&apos;a pas pu lire le tableau des produits chimiques et des ingrédients «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>Vintrelo could not find the variety list &quot;%1&quot;. Check that the file is there, or restore it from your backup.</source>
        <translation>Vintrelo ne trouve pas la liste des cépages «&#xa0;%1&#xa0;». Vérifiez que le fichier s&apos;y trouve, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the variety list &quot;%1&quot; (%2). Check that the file is not open in another program and that you may read it.</source>
        <translation>Vintrelo n&apos;a pas pu lire la liste des cépages «&#xa0;%1&#xa0;» (%2). Vérifiez que le fichier n&apos;est pas ouvert dans un autre programme et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the variety list &quot;%1&quot; (%2).</source>
        <translation>Vintrelo n&apos;a pas pu lire la liste des cépages «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>Vintrelo could not find the list of recipe actions &quot;%1&quot;. Check that the file is there, or restore it from your backup.</source>
        <translation>Vintrelo ne trouve pas la liste des opérations de recette «&#xa0;%1&#xa0;». Vérifiez que le fichier s&apos;y trouve, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the list of recipe actions &quot;%1&quot; (%2). Check that the file is not open in another program and that you may read it.</source>
        <translation>Vintrelo n&apos;a pas pu lire la liste des opérations de recette «&#xa0;%1&#xa0;» (%2). Vérifiez que le fichier n&apos;est pas ouvert dans un autre programme et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the list of recipe actions &quot;%1&quot; (%2).</source>
        <translation>Vintrelo n&apos;a pas pu lire la liste des opérations de recette «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>Vintrelo could not write the working file &quot;%2&quot; while saving the file &quot;%1&quot; (%3). Nothing was changed. Check that the data folder is not read-only and that the disk is not full, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu écrire le fichier de travail «&#xa0;%2&#xa0;» en enregistrant le fichier «&#xa0;%1&#xa0;» (%3). Rien n&apos;a été modifié. Vérifiez que le dossier de données n&apos;est pas en lecture seule et que le disque n&apos;est pas plein, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not create the file &quot;%1&quot; &quot;%2&quot; because a file of that name already exists. Nothing was changed.</source>
        <translation>Vintrelo n&apos;a pas créé le fichier «&#xa0;%1&#xa0;» «&#xa0;%2&#xa0;», car un fichier de ce nom existe déjà. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Vintrelo could not create the file &quot;%1&quot; &quot;%2&quot; (%3). Nothing was changed.</source>
        <translation>Vintrelo n&apos;a pas pu créer le fichier «&#xa0;%1&#xa0;» «&#xa0;%2&#xa0;» (%3). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The folder of the batches in progress &quot;%1&quot; does not exist. Check the data folder named in the location file, or restore the folder from your backup.</source>
        <translation>Le dossier des lots en cours «&#xa0;%1&#xa0;» n&apos;existe pas. Vérifiez le dossier de données indiqué dans le fichier d&apos;emplacement, ou restaurez le dossier à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>The folder of the completed batches &quot;%1&quot; does not exist. Check the data folder named in the location file, or restore the folder from your backup.</source>
        <translation>Le dossier des lots terminés «&#xa0;%1&#xa0;» n&apos;existe pas. Vérifiez le dossier de données indiqué dans le fichier d&apos;emplacement, ou restaurez le dossier à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>The folder of the recipes &quot;%1&quot; does not exist. Check the data folder named in the location file, or restore the folder from your backup.</source>
        <translation>Le dossier des recettes «&#xa0;%1&#xa0;» n&apos;existe pas. Vérifiez le dossier de données indiqué dans le fichier d&apos;emplacement, ou restaurez le dossier à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not find the file &quot;%1&quot;. Check that the file is there, or restore it from your backup.</source>
        <translation>Vintrelo ne trouve pas le fichier «&#xa0;%1&#xa0;». Vérifiez que le fichier s&apos;y trouve, ou restaurez-le à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the file &quot;%1&quot; (%2). Check that the file is not open in another program and that you may read it.</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier «&#xa0;%1&#xa0;» (%2). Vérifiez que le fichier n&apos;est pas ouvert dans un autre programme et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Vintrelo could not read the file &quot;%1&quot; (%2).</source>
        <translation>Vintrelo n&apos;a pas pu lire le fichier «&#xa0;%1&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>Vintrelo could not write the working file &quot;%1&quot; (%2). Nothing was changed. Check that the data folder is not read-only and that the disk is not full, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu écrire le fichier de travail «&#xa0;%1&#xa0;» (%2). Rien n&apos;a été modifié. Vérifiez que le dossier de données n&apos;est pas en lecture seule et que le disque n&apos;est pas plein, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not replace the file &quot;%1&quot; with its new content (%2). The file was left as it was. Check that the data folder is not read-only, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu remplacer le fichier «&#xa0;%1&#xa0;» par son nouveau contenu (%2). Le fichier est resté tel quel. Vérifiez que le dossier de données n&apos;est pas en lecture seule, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not create the file &quot;%1&quot; because a file of that name already exists. Nothing was changed.</source>
        <translation>Vintrelo n&apos;a pas créé le fichier «&#xa0;%1&#xa0;», car un fichier de ce nom existe déjà. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Vintrelo could not create the file &quot;%1&quot; (%2). Nothing was changed.</source>
        <translation>Vintrelo n&apos;a pas pu créer le fichier «&#xa0;%1&#xa0;» (%2). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Vintrelo could not move a file because the folder &quot;%1&quot; does not exist. The file stays at &quot;%2&quot;.</source>
        <translation>Vintrelo n&apos;a pas pu déplacer un fichier, car le dossier «&#xa0;%1&#xa0;» n&apos;existe pas. Le fichier reste à «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Vintrelo could not move a file because &quot;%1&quot; already exists. Neither file was changed; the file stays at &quot;%2&quot;.</source>
        <translation>Vintrelo n&apos;a pas pu déplacer un fichier, car «&#xa0;%1&#xa0;» existe déjà. Aucun des deux fichiers n&apos;a été modifié; le fichier reste à «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Vintrelo could not move a file to &quot;%1&quot; (%2). The file stays at &quot;%3&quot;.</source>
        <translation>Vintrelo n&apos;a pas pu déplacer un fichier vers «&#xa0;%1&#xa0;» (%2). Le fichier reste à «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist. Check the data folder named in the location file, or restore the folder from your backup.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;existe pas. Vérifiez le dossier de données indiqué dans le fichier d&apos;emplacement, ou restaurez le dossier à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Vintrelo did not write the batch file of batch %1: the &quot;%2&quot; holds a line break, which would split it over two lines of the file. Nothing was changed. Type it on one line, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le fichier du lot %1&#xa0;: le champ «&#xa0;%2&#xa0;» contient un saut de ligne, qui répartirait la valeur sur deux lignes du fichier. Rien n&apos;a été modifié. Tapez la valeur sur une seule ligne, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not write the batch file of batch %1: the &quot;%2&quot; of action %3 holds a line break, which would split it over two lines of the file. Nothing was changed. Type it on one line, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le fichier du lot %1&#xa0;: le champ «&#xa0;%2&#xa0;» de l&apos;opération %3 contient un saut de ligne, qui répartirait la valeur sur deux lignes du fichier. Rien n&apos;a été modifié. Tapez la valeur sur une seule ligne, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not write the batch file of batch %1: line %2 holds a line break, which would split it over two lines of the file. Nothing was changed. Type it on one line, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le fichier du lot %1&#xa0;: la ligne %2 contient un saut de ligne, qui répartirait la valeur sur deux lignes du fichier. Rien n&apos;a été modifié. Tapez la valeur sur une seule ligne, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not write the recipe file &quot;%1&quot;: the description holds a line break, which would split it over two lines of the file. Nothing was changed. Type it on one line, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le fichier de recette «&#xa0;%1&#xa0;»&#xa0;: la description contient un saut de ligne, qui répartirait la valeur sur deux lignes du fichier. Rien n&apos;a été modifié. Tapez la valeur sur une seule ligne, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not write the recipe file &quot;%1&quot;: step %2 holds a line break, which would split it over two lines of the file. Nothing was changed. Type it on one line, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le fichier de recette «&#xa0;%1&#xa0;»&#xa0;: l&apos;étape %2 contient un saut de ligne, qui répartirait la valeur sur deux lignes du fichier. Rien n&apos;a été modifié. Tapez la valeur sur une seule ligne, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not write the location file: the data folder&apos;s path holds a line break, which would split it over two lines of the file. Nothing was changed. Type it on one line, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le fichier d&apos;emplacement&#xa0;: le chemin du dossier de données contient un saut de ligne, qui répartirait la valeur sur deux lignes du fichier. Rien n&apos;a été modifié. Tapez la valeur sur une seule ligne, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not write the file &quot;%1&quot;: line %2 holds a line break, which would split it over two lines of the file. Nothing was changed. Type it on one line, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit le fichier «&#xa0;%1&#xa0;»&#xa0;: la ligne %2 contient un saut de ligne, qui répartirait la valeur sur deux lignes du fichier. Rien n&apos;a été modifié. Tapez la valeur sur une seule ligne, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not write a file: line %1 holds a line break, which would split it over two lines of the file. Nothing was changed. Type it on one line, then try again.</source>
        <translation>Vintrelo n&apos;a pas écrit un fichier&#xa0;: la ligne %1 contient un saut de ligne, qui répartirait la valeur sur deux lignes du fichier. Rien n&apos;a été modifié. Tapez la valeur sur une seule ligne, puis réessayez.</translation>
    </message>
    <message>
        <source>The recipe folder &quot;%1&quot; does not exist. Check the data folder named in the location file, or restore the folder from your backup.</source>
        <translation>Le dossier des recettes «&#xa0;%1&#xa0;» n&apos;existe pas. Vérifiez le dossier de données indiqué dans le fichier d&apos;emplacement, ou restaurez le dossier à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a recipe number: a recipe number has four digits, such as 0003. Vintrelo did not open any file for it.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un numéro de recette&#xa0;: un numéro de recette compte quatre chiffres, par exemple 0003. Vintrelo n&apos;a ouvert aucun fichier pour celui-ci.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be the name of a recipe file, so Vintrelo did not open it.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être le nom d&apos;un fichier de recette; Vintrelo ne l&apos;a donc pas ouvert.</translation>
    </message>
    <message>
        <source>The recipe file &quot;%1&quot; is empty: its first line should hold the recipe&apos;s number and description. Restore it from your backup, or save the recipe again.</source>
        <translation>Le fichier de recette «&#xa0;%1&#xa0;» est vide&#xa0;: sa première ligne devrait contenir le numéro et la description de la recette. Restaurez-le à partir de votre copie de sauvegarde, ou enregistrez de nouveau la recette.</translation>
    </message>
    <message>
        <source>The recipe file &quot;%1&quot; is no longer there, so the changes were not saved. Check the recipe folder, or restore the file from your backup.</source>
        <translation>Le fichier de recette «&#xa0;%1&#xa0;» n&apos;est plus là; les modifications n&apos;ont donc pas été enregistrées. Vérifiez le dossier des recettes, ou restaurez le fichier à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>The recipe file &quot;%1&quot; was moved or deleted while Vintrelo was saving it, so the changes were not saved. Check the recipe folder, or restore the file from your backup.</source>
        <translation>Le fichier de recette «&#xa0;%1&#xa0;» a été déplacé ou supprimé pendant que Vintrelo l&apos;enregistrait; les modifications n&apos;ont donc pas été enregistrées. Vérifiez le dossier des recettes, ou restaurez le fichier à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>No new recipe number is left: the last recipe file &quot;%1&quot; already has number %2, and a recipe number has at most four digits. Change one of the existing recipes instead.</source>
        <translation>Il ne reste plus de nouveau numéro de recette&#xa0;: le dernier fichier de recette «&#xa0;%1&#xa0;» porte déjà le numéro %2, et un numéro de recette compte au plus quatre chiffres. Modifiez plutôt l&apos;une des recettes existantes.</translation>
    </message>
    <message>
        <source>Vintrelo cannot offer a new recipe number: the next number, %1, already has a recipe file, because the last file in the recipe folder, &quot;%2&quot;, is not a recipe. Move that file out of &quot;%3&quot;, then try again.</source>
        <translation>Vintrelo ne peut pas proposer de nouveau numéro de recette&#xa0;: le numéro suivant, %1, a déjà un fichier de recette, car le dernier fichier du dossier des recettes, «&#xa0;%2&#xa0;», n&apos;est pas une recette. Sortez ce fichier de «&#xa0;%3&#xa0;», puis réessayez.</translation>
    </message>
    <message>
        <source>The recipe file &quot;%1&quot; cannot give a schedule: the day &quot;%2&quot; on its line %3 is not a whole number of days. Correct that step with &quot;Modify an existing Recipe&quot;, or choose another recipe.</source>
        <translation>Le fichier de recette «&#xa0;%1&#xa0;» ne peut pas fournir de calendrier&#xa0;: le jour «&#xa0;%2&#xa0;» de sa ligne %3 n&apos;est pas un nombre entier de jours. Corrigez cette étape avec «&#xa0;Modifier une recette existante&#xa0;», ou choisissez une autre recette.</translation>
    </message>
    <message>
        <source>The recipe file &quot;%1&quot; cannot give a schedule: the day %2 on its line %3 falls outside the calendar. Correct that step with &quot;Modify an existing Recipe&quot;, or choose another recipe.</source>
        <translation>Le fichier de recette «&#xa0;%1&#xa0;» ne peut pas fournir de calendrier&#xa0;: le jour %2 de sa ligne %3 tombe hors du calendrier. Corrigez cette étape avec «&#xa0;Modifier une recette existante&#xa0;», ou choisissez une autre recette.</translation>
    </message>
    <message>
        <source>Vintrelo could not create the folder &quot;%1&quot;. Choose a folder you may write to, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu créer le dossier «&#xa0;%1&#xa0;». Choisissez un dossier où vous avez le droit d&apos;écrire, puis réessayez.</translation>
    </message>
    <message>
        <source>the file could not be created</source>
        <translation>le fichier n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the disk may be full</source>
        <translation>le disque est peut-être plein</translation>
    </message>
    <message>
        <source>the file could not be flushed to the disk</source>
        <translation>le fichier n&apos;a pas pu être écrit en entier sur le disque</translation>
    </message>
    <message>
        <source>The recipe file &quot;%1&quot; begins with the number &quot;%2&quot;, not %3, so Vintrelo does not treat it as recipe %3. Correct the first line of the file, then try again. Nothing was changed.</source>
        <translation>Le fichier de recette «&#xa0;%1&#xa0;» commence par le numéro «&#xa0;%2&#xa0;», et non %3; Vintrelo ne le traite donc pas comme la recette %3. Corrigez la première ligne du fichier, puis réessayez. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Batch %1 was changed on another computer since you opened it. Nothing was saved. Note your changes, close this screen and open the batch again.</source>
        <translation>Le lot %1 a été modifié sur un autre ordinateur depuis que vous l&apos;avez ouvert. Rien n&apos;a été enregistré. Notez vos modifications, fermez cet écran et ouvrez de nouveau le lot.</translation>
    </message>
    <message>
        <source>Vintrelo could not save, because it cannot create the lock file &quot;%1&quot; in the data folder. Nothing was written. Check that you may write to the data folder, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu enregistrer, parce qu&apos;il ne peut pas créer le fichier de verrou «&#xa0;%1&#xa0;» dans le dossier de données. Rien n&apos;a été écrit. Vérifiez que vous pouvez écrire dans le dossier de données, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not save, because another copy of Vintrelo has been saving to the data folder for several seconds. Nothing was written. Try again in a moment.</source>
        <translation>Vintrelo n&apos;a pas pu enregistrer, parce qu&apos;une autre copie de Vintrelo enregistre dans le dossier de données depuis plusieurs secondes. Rien n&apos;a été écrit. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Vintrelo could not save, because Vintrelo on %1 has been saving to the data folder for several seconds. Nothing was written. Try again in a moment.</source>
        <translation>Vintrelo n&apos;a pas pu enregistrer, parce que Vintrelo sur %1 enregistre dans le dossier de données depuis plusieurs secondes. Rien n&apos;a été écrit. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Vintrelo on %1 has been saving for 1 minute. If that computer is off, continue.</source>
        <translation>Vintrelo sur %1 enregistre depuis 1 minute. Si cet ordinateur est éteint, continuez.</translation>
    </message>
    <message>
        <source>Vintrelo on %1 has been saving for %2 minutes. If that computer is off, continue.</source>
        <translation>Vintrelo sur %1 enregistre depuis %2 minutes. Si cet ordinateur est éteint, continuez.</translation>
    </message>
    <message>
        <source>Nothing was written, because Vintrelo on %1 may still be saving to the data folder. Try again once that computer has finished.</source>
        <translation>Rien n&apos;a été écrit, parce que Vintrelo sur %1 enregistre peut-être encore dans le dossier de données. Réessayez quand cet ordinateur aura terminé.</translation>
    </message>
    <message>
        <source>Batch %1 was finished on another computer since you opened it and is now among the completed batches. Nothing was changed.</source>
        <translation>Le lot %1 a été terminé sur un autre ordinateur depuis que vous l&apos;avez ouvert et se trouve maintenant parmi les lots terminés. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The recipe file &quot;%1&quot; was changed on another computer since you opened it, so your changes were not saved. Note your changes, open the recipe again and make them there.</source>
        <translation>Le fichier de recette «&#xa0;%1&#xa0;» a été modifié sur un autre ordinateur depuis que vous l&apos;avez ouvert; vos modifications n&apos;ont donc pas été enregistrées. Notez vos modifications, ouvrez de nouveau la recette et apportez-les-y.</translation>
    </message>
    <message>
        <source>Batch %1 was finished on another computer since the list was shown and is now among the completed batches. Nothing was changed.</source>
        <translation>Le lot %1 a été terminé sur un autre ordinateur depuis l&apos;affichage de la liste et se trouve maintenant parmi les lots terminés. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Vintrelo could not save, because another copy of Vintrelo on this computer (%1) has been saving to the data folder for several seconds. Nothing was written. Try again in a moment; if that copy has stopped responding, close it first.</source>
        <translation>Vintrelo n&apos;a pas pu enregistrer, parce qu&apos;une autre copie de Vintrelo sur cet ordinateur (%1) enregistre dans le dossier de données depuis plusieurs secondes. Rien n&apos;a été écrit. Réessayez dans un instant; si cette copie ne répond plus, fermez-la d&apos;abord.</translation>
    </message>
    <message>
        <source>Vintrelo on %1 is saving, but the clock of that computer is ahead of this one&apos;s, so how long it has been saving is not known. If that computer is off, continue.</source>
        <translation>Vintrelo sur %1 enregistre, mais l&apos;horloge de cet ordinateur est en avance sur celle de ce poste-ci, si bien qu&apos;on ignore depuis combien de temps il enregistre. Si cet ordinateur est éteint, continuez.</translation>
    </message>
    <message>
        <source>Action %1 of batch %2 is no longer as shown on the screen: the batch file has changed since the list was made, probably on another computer. Nothing was changed.</source>
        <translation>L&apos;action %1 du lot %2 n&apos;est plus telle qu&apos;elle est affichée : le fichier du lot a changé depuis que la liste a été faite, probablement sur un autre ordinateur. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Batch %1 was not created, because the batch counter &quot;%2&quot; has changed since this batch was started: another computer has probably created a batch meanwhile. Nothing was written. Go back: your entries are kept, under the next free identifier.</source>
        <translation>Le lot %1 n&apos;a pas été créé, parce que le compteur de lots &quot;%2&quot; a changé depuis le début de ce lot : un autre ordinateur a probablement créé un lot entre-temps. Rien n&apos;a été écrit. Revenez en arrière : vos entrées sont conservées, sous le prochain identifiant libre.</translation>
    </message>
    <message>
        <source>Vintrelo could not write a backup into the folder &quot;%1&quot; (%2). No part of that backup was kept, and your data folder is unchanged. Check that the folder is there and that its disk has room (a USB stick may have been pulled out), or choose another backup folder on the Backups screen.</source>
        <translation>Vintrelo n&apos;a pas pu écrire de sauvegarde dans le dossier «&#xa0;%1&#xa0;» (%2). Rien de cette sauvegarde n&apos;a été gardé, et votre dossier de données n&apos;a pas changé. Vérifiez que le dossier est là et que son disque a de la place (une clé USB a peut-être été retirée), ou choisissez un autre dossier des sauvegardes dans l&apos;écran Sauvegardes.</translation>
    </message>
    <message>
        <source>Vintrelo wrote a backup into the folder &quot;%1&quot;, but reading it back gave a different &quot;%2&quot;, so the backup was not kept. The disk of that folder may be failing: choose another backup folder on the Backups screen.</source>
        <translation>Vintrelo a écrit une sauvegarde dans le dossier «&#xa0;%1&#xa0;», mais à la relecture «&#xa0;%2&#xa0;» était différent&#xa0;; la sauvegarde n&apos;a donc pas été gardée. Le disque de ce dossier est peut-être défaillant&#xa0;: choisissez un autre dossier des sauvegardes dans l&apos;écran Sauvegardes.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the folder is not there</source>
        <translation>le dossier n&apos;est pas là</translation>
    </message>
    <message>
        <source>it could not be flushed to the disk</source>
        <translation>elle n&apos;a pas pu être écrite jusqu&apos;au disque</translation>
    </message>
    <message>
        <source>it could not be given its name &quot;%1&quot;</source>
        <translation>elle n&apos;a pas pu recevoir son nom «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the folder went away while it was written</source>
        <translation>le dossier a disparu pendant l&apos;écriture</translation>
    </message>
    <message>
        <source>Vintrelo cannot restore &quot;%1&quot;: %2. Nothing was restored and nothing was changed.</source>
        <translation>Vintrelo ne peut pas restaurer «&#xa0;%1&#xa0;»&#xa0;: %2. Rien n&apos;a été restauré et rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>the file is not there</source>
        <translation>le fichier n&apos;est pas là</translation>
    </message>
    <message>
        <source>it is damaged or is not a zip archive (%1)</source>
        <translation>il est endommagé ou n&apos;est pas une archive zip (%1)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, a name that would lie outside the restored folder</source>
        <translation>il contient «&#xa0;%1&#xa0;», un nom qui se trouverait hors du dossier restauré</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is a link or a special file, not a file or folder</source>
        <translation>il contient «&#xa0;%1&#xa0;», qui est un lien ou un fichier spécial, ni un fichier ni un dossier</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot; twice</source>
        <translation>il contient «&#xa0;%1&#xa0;» deux fois</translation>
    </message>
    <message>
        <source>its entry &quot;%1&quot; cannot be read back whole: the archive is damaged</source>
        <translation>son entrée «&#xa0;%1&#xa0;» ne peut pas être relue en entier&#xa0;: l&apos;archive est endommagée</translation>
    </message>
    <message>
        <source>it is not a backup of a Vintrelo data folder (it holds no &quot;%1&quot;)</source>
        <translation>ce n&apos;est pas une sauvegarde d&apos;un dossier de données de Vintrelo (il ne contient pas «&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>Vintrelo could not restore &quot;%1&quot; into the new folder &quot;%2&quot;, because it cannot write &quot;%3&quot;. Nothing was restored and your data folder is unchanged. Check that the disk has room, then try again.</source>
        <translation>Vintrelo n&apos;a pas pu restaurer «&#xa0;%1&#xa0;» dans le nouveau dossier «&#xa0;%2&#xa0;», car il ne peut pas écrire «&#xa0;%3&#xa0;». Rien n&apos;a été restauré et votre dossier de données n&apos;a pas changé. Vérifiez que le disque a de la place, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not make a backup into the folder &quot;%1&quot;, because the computer ran out of memory. Close other programs, then back up again on the Backups screen.</source>
        <translation>Vintrelo n&apos;a pas pu faire de sauvegarde dans le dossier «&#xa0;%1&#xa0;», car l&apos;ordinateur manque de mémoire. Fermez d&apos;autres programmes, puis sauvegardez de nouveau dans l&apos;écran Sauvegardes.</translation>
    </message>
    <message>
        <source>Vintrelo could not make a backup, because it cannot read the file &quot;%1&quot; in the data folder. Check that you may read that file, then back up again.</source>
        <translation>Vintrelo n&apos;a pas pu faire de sauvegarde, car il ne peut pas lire le fichier «&#xa0;%1&#xa0;» du dossier de données. Vérifiez que vous pouvez lire ce fichier, puis sauvegardez de nouveau.</translation>
    </message>
    <message>
        <source>Vintrelo could not make a backup, because the data folder &quot;%1&quot; is not there. Connect the drive that holds it, then back up again.</source>
        <translation>Vintrelo n&apos;a pas pu faire de sauvegarde, car le dossier de données «&#xa0;%1&#xa0;» n&apos;est pas là. Branchez le disque qui le contient, puis sauvegardez de nouveau.</translation>
    </message>
    <message>
        <source>Vintrelo could not write the file %1 (%2). Nothing was exported; choose another folder and try again.</source>
        <translation>Vintrelo n&apos;a pas pu écrire le fichier %1 (%2). Rien n&apos;a été exporté; choisissez un autre dossier et réessayez.</translation>
    </message>
    <message>
        <source>Batch %1 was not changed: moving its action %2 by %3 days would make it due on %4, before the batch&apos;s start date, %5. Enter a number of days that keeps it on or after %5.</source>
        <translation>Le lot %1 n&apos;a pas été modifié&#xa0;: déplacer son opération %2 de %3 jours la prévoirait le %4, avant la date de début du lot, le %5. Entrez un nombre de jours qui la garde le %5 ou après.</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Blush</source>
        <translation>Rosé</translation>
    </message>
    <message>
        <source>New action manually created</source>
        <translation>Nouvelle opération créée manuellement</translation>
    </message>
    <message>
        <source>Vintrelo kept every older backup in &quot;%1&quot;, because the archive &quot;%2&quot; is dated after this computer&apos;s clock. Check that this computer&apos;s date and time are right; old backups are thinned out again once no archive is dated ahead.</source>
        <translation>Vintrelo a gardé toutes les anciennes sauvegardes dans «&#xa0;%1&#xa0;», parce que l&apos;archive «&#xa0;%2&#xa0;» est datée après l&apos;horloge de cet ordinateur. Vérifiez la date et l&apos;heure de cet ordinateur; les anciennes sauvegardes seront de nouveau éclaircies quand aucune archive ne sera datée dans le futur.</translation>
    </message>
    <message>
        <source>Vintrelo did not make a backup into &quot;%1&quot;, because the data folder holds names a restore could not give back: %2. Rename them, then back up again on the Backups screen.</source>
        <translation>Vintrelo n&apos;a pas fait de sauvegarde dans «&#xa0;%1&#xa0;», car le dossier de données contient des noms qu&apos;une restauration ne pourrait pas rendre&#xa0;: %2. Renommez-les, puis sauvegardez de nouveau dans l&apos;écran Sauvegardes.</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; does not hold the number of the next batch (&quot;%2&quot;), so batches restored from it would be numbered wrongly</source>
        <translation>son «&#xa0;%1&#xa0;» ne contient pas le numéro du prochain lot («&#xa0;%2&#xa0;»), donc les lots restaurés seraient mal numérotés</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot; both as a file and as a folder</source>
        <translation>il contient «&#xa0;%1&#xa0;» à la fois comme fichier et comme dossier</translation>
    </message>
    <message>
        <source>Nothing was written, because Vintrelo on %1 holds the data folder&apos;s lock (the file &quot;%2&quot;), dated ahead of this computer&apos;s clock. If that computer is off, delete that file, then try again.</source>
        <translation>Rien n&apos;a été écrit, car Vintrelo sur %1 détient le verrou du dossier de données (le fichier «&#xa0;%2&#xa0;»), daté après l&apos;horloge de cet ordinateur. Si cet ordinateur est éteint, supprimez ce fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>Nothing was written, because Vintrelo on %1 has held the data folder&apos;s lock for %2 minutes (the file &quot;%3&quot;). If that computer is off, delete that file, then try again.</source>
        <translation>Rien n&apos;a été écrit, car Vintrelo sur %1 détient le verrou du dossier de données depuis %2 minutes (le fichier «&#xa0;%3&#xa0;»). Si cet ordinateur est éteint, supprimez ce fichier, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not make a backup, because it cannot read the folder &quot;%1&quot; in the data folder, or a name in it. Check that you may read that folder and that its names are whole, then back up again.</source>
        <translation>Vintrelo n&apos;a pas pu faire de sauvegarde, car il ne peut pas lire le dossier «&#xa0;%1&#xa0;» du dossier de données, ou un nom qui s&apos;y trouve. Vérifiez que vous pouvez lire ce dossier et que ses noms sont entiers, puis sauvegardez de nouveau.</translation>
    </message>
    <message>
        <source>Nothing was written, because the data folder &quot;%1&quot; was replaced by a restored folder%2, probably on another PC. Close Vintrelo and start it again to switch to the restored folder.</source>
        <translation>Rien n&apos;a été écrit, car le dossier de données «&#xa0;%1&#xa0;» a été remplacé par un dossier restauré%2, probablement sur un autre PC. Fermez Vintrelo et redémarrez-le pour passer au dossier restauré.</translation>
    </message>
</context>
<context>
    <name>ThingsToDoToday</name>
    <message>
        <source>Vintrelo - Things to do today</source>
        <translation>Vintrelo - À faire aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Things to do Today</source>
        <translation>À faire aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Today&apos;s Date</source>
        <translation>Date d&apos;aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Double Click on any Row above to open the item.</source>
        <translation>Double-cliquez sur une rangée ci-dessus pour ouvrir l&apos;élément.</translation>
    </message>
    <message>
        <source>Batch I.D.</source>
        <translation>Nº de lot</translation>
    </message>
    <message>
        <source>Day Number: </source>
        <translation>Jour nº&#xa0;: </translation>
    </message>
    <message>
        <source>Due Date:</source>
        <translation>Date prévue&#xa0;:</translation>
    </message>
    <message>
        <source>Action:</source>
        <translation>Opération&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Quantité&#xa0;:</translation>
    </message>
    <message>
        <source>Measurement:</source>
        <translation>Mesure&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Please check off to close this action as complete</source>
        <translation>Veuillez cocher pour fermer cette opération comme terminée</translation>
    </message>
    <message>
        <source>How many days forward do you wish to move this action?</source>
        <translation>De combien de jours voulez-vous reporter cette opération?</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accepter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Complete this action</source>
        <translation>Terminer cette opération</translation>
    </message>
    <message>
        <source>Not quite ready yet</source>
        <translation>Pas encore tout à fait prêt</translation>
    </message>
    <message>
        <source>Print To Do List</source>
        <translation>Imprimer les tâches</translation>
    </message>
    <message>
        <source>Quit this screen</source>
        <translation>Quitter cet écran</translation>
    </message>
    <message>
        <source>Back to Main Menu</source>
        <translation>Retour au menu principal</translation>
    </message>
    <message>
        <source>The &amp;Coming Days...</source>
        <translation>Les jours à &amp;venir...</translation>
    </message>
</context>
<context>
    <name>app::BackupService</name>
    <message>
        <source>The backup &quot;%1&quot; holds everything Vintrelo reads, but these were left out of it: links and special files in the data folder, which Vintrelo never reads: %2. If you keep anything there, copy it yourself.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» contient tout ce que Vintrelo lit, mais ceci en a été laissé de côté&#xa0;: des liens et des fichiers spéciaux du dossier de données, que Vintrelo ne lit jamais&#xa0;: %2. Si vous y gardez quelque chose, copiez-le vous-même.</translation>
    </message>
</context>
<context>
    <name>app::Opening_Screen</name>
    <message>
        <source>The data folder &quot;%1&quot; is missing:

%2

The screens that need these will not work until they are restored from your backup.</source>
        <translation>Il manque au dossier de données «&#xa0;%1&#xa0;»&#xa0;:

%2

Les écrans qui en ont besoin ne fonctionneront pas tant que ces éléments n&apos;auront pas été restaurés à partir de votre copie de sauvegarde.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; was replaced by a restored folder, probably on another PC, but this PC cannot find that folder. Nothing can be saved in &quot;%1&quot;. Name the restored folder in &quot;VT.Loc&quot;, then start Vintrelo again.</source>
        <translation>Le dossier de données «&#xa0;%1&#xa0;» a été remplacé par un dossier restauré, probablement sur un autre PC, mais ce PC ne trouve pas ce dossier. Rien ne peut être enregistré dans «&#xa0;%1&#xa0;». Nommez le dossier restauré dans «&#xa0;VT.Loc&#xa0;», puis redémarrez Vintrelo.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; was replaced by the restored folder &quot;%2&quot;, probably on another PC, and nothing can be saved in it any more.

Work on the restored folder from now on?</source>
        <translation>Le dossier de données «&#xa0;%1&#xa0;» a été remplacé par le dossier restauré «&#xa0;%2&#xa0;», probablement sur un autre PC, et plus rien ne peut y être enregistré.

Travailler désormais sur le dossier restauré?</translation>
    </message>
    <message>
        <source>Vintrelo shows &quot;%1&quot; as it was, but saves nothing there. To work, start Vintrelo again and move to the restored folder.</source>
        <translation>Vintrelo montre «&#xa0;%1&#xa0;» tel qu&apos;il était, mais n&apos;y enregistre rien. Pour travailler, redémarrez Vintrelo et passez au dossier restauré.</translation>
    </message>
</context>
<context>
    <name>print</name>
    <message>
        <source>Vintrelo could not save the carboy tag as the PDF file &quot;%1&quot; (%2). Nothing was saved; choose another folder and try again.</source>
        <translation>Vintrelo n&apos;a pas pu enregistrer l&apos;étiquette de bonbonne dans le fichier PDF «&#xa0;%1&#xa0;» (%2). Rien n&apos;a été enregistré; choisissez un autre dossier et réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo could not save the to-do list as the PDF file &quot;%1&quot; (%2). Nothing was saved; choose another folder and try again.</source>
        <translation>Vintrelo n&apos;a pas pu enregistrer la liste des tâches dans le fichier PDF «&#xa0;%1&#xa0;» (%2). Rien n&apos;a été enregistré; choisissez un autre dossier et réessayez.</translation>
    </message>
    <message>
        <source>The carboy tag was saved as the PDF file &quot;%1&quot;.</source>
        <translation>L&apos;étiquette de bonbonne a été enregistrée dans le fichier PDF «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The to-do list was saved as the PDF file &quot;%1&quot;.</source>
        <translation>La liste des tâches a été enregistrée dans le fichier PDF «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is no default printer on this computer, so the carboy tag was not printed.</source>
        <translation>Cet ordinateur n&apos;a pas d&apos;imprimante par défaut; l&apos;étiquette de bonbonne n&apos;a donc pas été imprimée.</translation>
    </message>
    <message>
        <source>There is no default printer on this computer, so the to-do list was not printed.</source>
        <translation>Cet ordinateur n&apos;a pas d&apos;imprimante par défaut; la liste des tâches n&apos;a donc pas été imprimée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the carboy tag. Check that it is switched on and connected.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pu imprimer l&apos;étiquette de bonbonne. Vérifiez qu&apos;elle est allumée et branchée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the to-do list. Check that it is switched on and connected.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pu imprimer la liste des tâches. Vérifiez qu&apos;elle est allumée et branchée.</translation>
    </message>
    <message>
        <source>Would you like to save the carboy tag as a PDF file instead?</source>
        <translation>Voulez-vous plutôt enregistrer l&apos;étiquette de bonbonne dans un fichier PDF?</translation>
    </message>
    <message>
        <source>Would you like to save the to-do list as a PDF file instead?</source>
        <translation>Voulez-vous plutôt enregistrer la liste des tâches dans un fichier PDF?</translation>
    </message>
    <message>
        <source>Save as PDF File</source>
        <translation>Enregistrer en fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n&apos;a pas pu être dessinée</translation>
    </message>
    <message>
        <source>Date Printed : </source>
        <translation>Date d&apos;impression&#xa0;: </translation>
    </message>
    <message>
        <source>Things To do Today</source>
        <translation>À faire aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Batch I.D.</source>
        <translation>Nº de lot</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Date prévue</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>To Do List.pdf</source>
        <translation>Liste des tâches.pdf</translation>
    </message>
    <message>
        <source>To Do List %1.pdf</source>
        <translation>Liste des tâches %1.pdf</translation>
    </message>
    <message>
        <source>Batch I.D.: </source>
        <translation>Nº de lot&#xa0;: </translation>
    </message>
    <message>
        <source>Start Date: </source>
        <translation>Date de début&#xa0;: </translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nom&#xa0;: </translation>
    </message>
    <message>
        <source>Address: </source>
        <translation>Adresse&#xa0;: </translation>
    </message>
    <message>
        <source>City: </source>
        <translation>Ville&#xa0;: </translation>
    </message>
    <message>
        <source>Province / State: </source>
        <translation>Province / État&#xa0;: </translation>
    </message>
    <message>
        <source>Postal Code / Zip Code: </source>
        <translation>Code postal / ZIP&#xa0;: </translation>
    </message>
    <message>
        <source>Phone #1 : </source>
        <translation>Téléphone nº 1&#xa0;: </translation>
    </message>
    <message>
        <source>Other I.D. : </source>
        <translation>Autre identifiant&#xa0;: </translation>
    </message>
    <message>
        <source>Serial Number: </source>
        <translation>Numéro de série&#xa0;: </translation>
    </message>
    <message>
        <source>Variety: </source>
        <translation>Cépage&#xa0;: </translation>
    </message>
    <message>
        <source>Colour: </source>
        <translation>Couleur&#xa0;: </translation>
    </message>
    <message>
        <source>Must Type: </source>
        <translation>Type de moût&#xa0;: </translation>
    </message>
    <message>
        <source>Batch Size: </source>
        <translation>Volume du lot&#xa0;: </translation>
    </message>
    <message>
        <source>Carboy Tag.pdf</source>
        <translation>Étiquette de bonbonne.pdf</translation>
    </message>
    <message>
        <source>%1 Carboy Tag.pdf</source>
        <translation>%1 Étiquette de bonbonne.pdf</translation>
    </message>
    <message>
        <source>Carboy / Tracking Tag %1</source>
        <translation>Étiquette de bonbonne / de suivi %1</translation>
    </message>
    <message>
        <source>Vintrelo did not save the carboy tag as &quot;%1&quot;: that name does not end in .pdf, and a printout is never written over another kind of file, such as a batch record. Nothing was changed; choose a name ending in .pdf and try again.</source>
        <translation>Vintrelo n&apos;a pas enregistré l&apos;étiquette de bonbonne sous «&#xa0;%1&#xa0;»&#xa0;: ce nom ne se termine pas par .pdf, et une impression n&apos;est jamais écrite par-dessus un autre genre de fichier, comme la fiche d&apos;un lot. Rien n&apos;a été modifié; choisissez un nom qui se termine par .pdf, puis réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not save the to-do list as &quot;%1&quot;: that name does not end in .pdf, and a printout is never written over another kind of file, such as a batch record. Nothing was changed; choose a name ending in .pdf and try again.</source>
        <translation>Vintrelo n&apos;a pas enregistré la liste des tâches sous «&#xa0;%1&#xa0;»&#xa0;: ce nom ne se termine pas par .pdf, et une impression n&apos;est jamais écrite par-dessus un autre genre de fichier, comme la fiche d&apos;un lot. Rien n&apos;a été modifié; choisissez un nom qui se termine par .pdf, puis réessayez.</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>City / Town:</source>
        <translation>Ville / Municipalité&#xa0;:</translation>
    </message>
    <message>
        <source>Province / State:</source>
        <translation>Province / État&#xa0;:</translation>
    </message>
    <message>
        <source>Postal / Zip Code:</source>
        <translation>Code postal / ZIP&#xa0;:</translation>
    </message>
    <message>
        <source>Phone Number #1:</source>
        <translation>Téléphone nº 1&#xa0;:</translation>
    </message>
    <message>
        <source>Phone Number #2:</source>
        <translation>Téléphone nº 2&#xa0;:</translation>
    </message>
    <message>
        <source>Email Address:</source>
        <translation>Adresse courriel&#xa0;:</translation>
    </message>
    <message>
        <source>Other I.D.:</source>
        <translation>Autre identifiant&#xa0;:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numéro de série&#xa0;:</translation>
    </message>
    <message>
        <source>Variety:</source>
        <translation>Cépage&#xa0;:</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Vintage:</source>
        <translation>Millésime&#xa0;:</translation>
    </message>
    <message>
        <source>Must Type:</source>
        <translation>Type de moût&#xa0;:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Provenance&#xa0;:</translation>
    </message>
    <message>
        <source>Batch Size:</source>
        <translation>Volume du lot&#xa0;:</translation>
    </message>
    <message>
        <source>Cost:</source>
        <translation>Coût&#xa0;:</translation>
    </message>
    <message>
        <source>Vintner:</source>
        <translation>Vinificateur&#xa0;:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
    <message>
        <source>Recipe #:</source>
        <translation>Recette nº&#xa0;:</translation>
    </message>
    <message>
        <source>Day #</source>
        <translation>Jour nº</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Date Completed</source>
        <translation>Date de réalisation</translation>
    </message>
    <message>
        <source>Batch Report</source>
        <translation>Rapport du lot</translation>
    </message>
    <message>
        <source>Batch Report, Batch I.D.: </source>
        <translation>Rapport du lot, nº de lot&#xa0;: </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 de %2</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>%1 Batch Report.pdf</source>
        <translation>%1 Rapport du lot.pdf</translation>
    </message>
    <message>
        <source>Batch Report %1</source>
        <translation>Rapport du lot %1</translation>
    </message>
    <message>
        <source>Vintrelo could not save the batch report as the PDF file &quot;%1&quot; (%2). Nothing was saved; choose another folder and try again.</source>
        <translation>Vintrelo n&apos;a pas pu enregistrer le rapport du lot dans le fichier PDF «&#xa0;%1&#xa0;» (%2). Rien n&apos;a été enregistré; choisissez un autre dossier et réessayez.</translation>
    </message>
    <message>
        <source>Vintrelo did not save the batch report as &quot;%1&quot;: that name does not end in .pdf, and a printout is never written over another kind of file, such as a batch record. Nothing was changed; choose a name ending in .pdf and try again.</source>
        <translation>Vintrelo n&apos;a pas enregistré le rapport du lot sous «&#xa0;%1&#xa0;»&#xa0;: ce nom ne se termine pas par .pdf, et une impression n&apos;est jamais écrite par-dessus un autre genre de fichier, comme la fiche d&apos;un lot. Rien n&apos;a été modifié; choisissez un nom qui se termine par .pdf, puis réessayez.</translation>
    </message>
    <message>
        <source>The batch report was saved as the PDF file &quot;%1&quot;.</source>
        <translation>Le rapport du lot a été enregistré dans le fichier PDF «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is no default printer on this computer, so the batch report was not printed.</source>
        <translation>Cet ordinateur n&apos;a pas d&apos;imprimante par défaut; le rapport du lot n&apos;a donc pas été imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the batch report. Check that it is switched on and connected.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pu imprimer le rapport du lot. Vérifiez qu&apos;elle est allumée et branchée.</translation>
    </message>
    <message>
        <source>Would you like to save the batch report as a PDF file instead?</source>
        <translation>Voulez-vous plutôt enregistrer le rapport du lot dans un fichier PDF?</translation>
    </message>
</context>
<context>
    <name>screens::Backups</name>
    <message>
        <source>A backup is being made in the background.</source>
        <translation>Une sauvegarde est en cours en arrière-plan.</translation>
    </message>
    <message>
        <source>No backup is being made.</source>
        <translation>Aucune sauvegarde en cours.</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 à %2, %3</translation>
    </message>
    <message>
        <source>No backup has been made on this computer yet.</source>
        <translation>Aucune sauvegarde n&apos;a encore été faite sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The backup folder is not there. Connect the drive that holds it, or choose another folder.</source>
        <translation>Le dossier des sauvegardes n&apos;est pas là. Branchez le disque qui le contient, ou choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>%1    (%2)</source>
        <translation>%1    (%2)</translation>
    </message>
    <message>
        <source>The last backup failed; nothing of it was kept.</source>
        <translation>La dernière sauvegarde a échoué&#xa0;; rien n&apos;en a été gardé.</translation>
    </message>
    <message>
        <source>Choose the folder for Vintrelo&apos;s backups</source>
        <translation>Choisissez le dossier des sauvegardes de Vintrelo</translation>
    </message>
    <message>
        <source>The backups cannot go into &quot;%1&quot;, because it lies inside the data folder &quot;%2&quot;. A backup must outlast that folder: choose a folder outside it, best on another disk or a USB stick.</source>
        <translation>Les sauvegardes ne peuvent pas aller dans «&#xa0;%1&#xa0;», car il se trouve dans le dossier de données «&#xa0;%2&#xa0;». Une sauvegarde doit survivre à ce dossier&#xa0;: choisissez un dossier hors de lui, de préférence sur un autre disque ou une clé USB.</translation>
    </message>
    <message>
        <source>Choose the archive to restore in the list, then click &quot;Restore…&quot; again.</source>
        <translation>Choisissez dans la liste l&apos;archive à restaurer, puis cliquez de nouveau sur «&#xa0;Restaurer…&#xa0;».</translation>
    </message>
    <message>
        <source>The archive was restored into the new folder &quot;%1&quot;, but Vintrelo keeps using &quot;%2&quot;, because that folder could not be backed up first. Mend what the previous message names, then restore again.</source>
        <translation>L&apos;archive a été restaurée dans le nouveau dossier «&#xa0;%1&#xa0;», mais Vintrelo continue d&apos;utiliser «&#xa0;%2&#xa0;», car ce dossier n&apos;a pas pu être sauvegardé d&apos;abord. Corrigez ce que le message précédent indique, puis restaurez de nouveau.</translation>
    </message>
    <message>
        <source>Vintrelo keeps working on &quot;%1&quot;. The restored folder &quot;%2&quot; was kept; delete it when you no longer need it.</source>
        <translation>Vintrelo continue de travailler sur «&#xa0;%1&#xa0;». Le dossier restauré «&#xa0;%2&#xa0;» a été gardé&#xa0;; supprimez-le quand vous n&apos;en aurez plus besoin.</translation>
    </message>
    <message>
        <source>Vintrelo now works on the restored folder &quot;%1&quot;. The folder &quot;%2&quot; was left as it was.</source>
        <translation>Vintrelo travaille désormais sur le dossier restauré «&#xa0;%1&#xa0;». Le dossier «&#xa0;%2&#xa0;» a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; was made and checked.</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» a été faite et vérifiée.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; holds no backup of Vintrelo to restore. If your backups are in another folder, choose it with &quot;Choose folder…&quot; first.</source>
        <translation>Le dossier des sauvegardes «&#xa0;%1&#xa0;» ne contient aucune sauvegarde de Vintrelo à restaurer. Si vos sauvegardes sont dans un autre dossier, choisissez-le d&apos;abord avec «&#xa0;Choisir le dossier…&#xa0;».</translation>
    </message>
    <message>
        <source>

The batch counter of the restored folder (%1) is behind the one of the data folder in use (%2): the batches made since this backup are only in the folder in use, and new batches in the restored folder would get their numbers again. Before you start a new batch there, put the number %2 alone on the first line of &quot;%3&quot;.</source>
        <translation>

Le compteur de lots du dossier restauré (%1) est en retard sur celui du dossier de données en usage (%2)&#xa0;: les lots créés depuis cette sauvegarde ne sont que dans le dossier en usage, et de nouveaux lots dans le dossier restauré recevraient de nouveau leurs numéros. Avant de commencer un nouveau lot dans ce dossier, inscrivez le nombre %2 seul sur la première ligne de «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; was restored into the new folder

%2

The data folder in use was backed up first and stays as it is:

%3

Should Vintrelo work on the restored folder from now on, instead of the data folder in use?

Only this PC moves: every other PC that shares the data folder in use keeps working on it, and what it saves there is not in the restored folder, until its own &quot;VT.Loc&quot; names the restored folder too.</source>
        <translation>L&apos;archive «&#xa0;%1&#xa0;» a été restaurée dans le nouveau dossier

%2

Le dossier de données utilisé a d&apos;abord été sauvegardé et reste tel quel&#xa0;:

%3

Vintrelo doit-il désormais travailler sur le dossier restauré au lieu du dossier de données utilisé&#xa0;?

Seul ce PC change de dossier&#xa0;: chaque autre PC qui partage le dossier de données utilisé continue d&apos;y travailler, et ce qu&apos;il y enregistre n&apos;est pas dans le dossier restauré, tant que son propre «&#xa0;VT.Loc&#xa0;» ne nomme pas aussi le dossier restauré.</translation>
    </message>
    <message>
        <source>Other PCs that share &quot;%1&quot; are not told to move: point each of them at &quot;%2&quot; yourself.</source>
        <translation>Les autres PC qui partagent «&#xa0;%1&#xa0;» ne sont pas avertis de changer de dossier&#xa0;: dirigez vous-même chacun d&apos;eux vers «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>screens::BatchExport</name>
    <message>
        <source>Batch I.D.</source>
        <translation>Nº de lot</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City / Town</source>
        <translation>Ville / Municipalité</translation>
    </message>
    <message>
        <source>Province / State</source>
        <translation>Province / État</translation>
    </message>
    <message>
        <source>Postal / Zip Code</source>
        <translation>Code postal / ZIP</translation>
    </message>
    <message>
        <source>Phone Number #1</source>
        <translation>Téléphone nº 1</translation>
    </message>
    <message>
        <source>Phone Number #2</source>
        <translation>Téléphone nº 2</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse courriel</translation>
    </message>
    <message>
        <source>Other I.D.</source>
        <translation>Autre identifiant</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Variety</source>
        <translation>Cépage</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Vintage</source>
        <translation>Millésime</translation>
    </message>
    <message>
        <source>Must Type</source>
        <translation>Type de moût</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Provenance</translation>
    </message>
    <message>
        <source>Batch Size</source>
        <translation>Volume du lot</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Vintner</source>
        <translation>Vinificateur</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Recipe Number</source>
        <translation>Numéro de recette</translation>
    </message>
    <message>
        <source>Next Action</source>
        <translation>Prochaine action</translation>
    </message>
    <message>
        <source>Next Action Due</source>
        <translation>Échéance de la prochaine action</translation>
    </message>
    <message>
        <source>Export to CSV File</source>
        <translation>Exporter dans un fichier CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 is not a CSV file name. Nothing was exported; choose a name ending in .csv.</source>
        <translation>%1 n&apos;est pas un nom de fichier CSV. Rien n&apos;a été exporté; choisissez un nom qui se termine par .csv.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer?</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <source>1 batch exported to %1.</source>
        <translation>1 lot exporté dans %1.</translation>
    </message>
    <message>
        <source>%1 batches exported to %2.</source>
        <translation>%1 lots exportés dans %2.</translation>
    </message>
</context>
<context>
    <name>screens::BatchList</name>
    <message>
        <source>Batch I.D.</source>
        <translation>Nº de lot</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Variety</source>
        <translation>Cépage</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Recipe Description</source>
        <translation>Description de la recette</translation>
    </message>
    <message>
        <source>(damaged batch file - restore it from your backup)</source>
        <translation>(fichier de lot endommagé - restaurez-le à partir de votre copie de sauvegarde)</translation>
    </message>
    <message>
        <source>(recipe %1 not found)</source>
        <translation>(recette %1 introuvable)</translation>
    </message>
</context>
<context>
    <name>screens::Chart1</name>
    <message>
        <source>Ingredient</source>
        <translation>Ingrédient</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>Typical Additions</source>
        <translation>Ajouts habituels</translation>
    </message>
    <message>
        <source>Weights</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
</context>
<context>
    <name>screens::ComingDays</name>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>These batch files are damaged, so their actions are not counted or listed here:

%1</source>
        <translation>Ces fichiers de lot sont endommagés; leurs opérations ne sont donc ni comptées ni affichées ici&#xa0;:

%1</translation>
    </message>
    <message>
        <source>There are no actions to do on %1.</source>
        <translation>Il n&apos;y a aucune opération à faire le %1.</translation>
    </message>
</context>
<context>
    <name>screens::Completed1</name>
    <message>
        <source>Vintrelo - Completed Batches</source>
        <translation>Vintrelo - Lots terminés</translation>
    </message>
    <message>
        <source>Completed Batches</source>
        <translation>Lots terminés</translation>
    </message>
</context>
<context>
    <name>screens::ExistingInventory</name>
    <message>
        <source>Vintrelo - Existing Batches on the go</source>
        <translation>Vintrelo - Lots existants en cours</translation>
    </message>
    <message>
        <source>Existing Batches on the go</source>
        <translation>Lots existants en cours</translation>
    </message>
</context>
<context>
    <name>screens::ExistingInventory2</name>
    <message>
        <source>Day #</source>
        <translation>Jour nº</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Date prévue</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Date Completed</source>
        <translation>Date de réalisation</translation>
    </message>
    <message>
        <source>Double Click in any Cell to edit the item.</source>
        <translation>Double-cliquez dans une cellule pour modifier l&apos;élément.</translation>
    </message>
    <message>
        <source>Single click off that Cell to accept the change.</source>
        <translation>Cliquez une fois hors de cette cellule pour accepter la modification.</translation>
    </message>
    <message>
        <source>Are you sure you want to save the changes ?</source>
        <translation>Voulez-vous vraiment enregistrer les modifications?</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete the Row ?</source>
        <translation>Voulez-vous vraiment supprimer la rangée?</translation>
    </message>
    <message>
        <source>The cell stays empty.</source>
        <translation>La cellule reste vide.</translation>
    </message>
    <message>
        <source>The cell keeps &quot;%1&quot;.</source>
        <translation>La cellule garde «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The Due Date of row %1 cannot be left empty. %2 To remove the action, use &quot;Delete Row&quot;.</source>
        <translation>La date prévue de la rangée %1 ne peut pas rester vide. %2 Pour retirer l&apos;opération, utilisez «&#xa0;Supprimer la rangée&#xa0;».</translation>
    </message>
    <message>
        <source>The Due Date &quot;%1&quot; in row %2 is not a date Vintrelo can read. %3 Please type it like this: %4</source>
        <translation>La date prévue «&#xa0;%1&#xa0;» de la rangée %2 n&apos;est pas une date que Vintrelo peut lire. %3 Veuillez la taper ainsi&#xa0;: %4</translation>
    </message>
    <message>
        <source>The Date Completed &quot;%1&quot; in row %2 is not a date Vintrelo can read. %3 Please type it like this: %4, or leave it empty while the action is to do.</source>
        <translation>La date de réalisation «&#xa0;%1&#xa0;» de la rangée %2 n&apos;est pas une date que Vintrelo peut lire. %3 Veuillez la taper ainsi&#xa0;: %4, ou la laisser vide tant que l&apos;opération reste à faire.</translation>
    </message>
    <message>
        <source>Rows without a Due Date are not saved, and these rows hold something: %1.

Save without them? Answer No to give them a Due Date first, or use &quot;Delete Row&quot; on them.</source>
        <translation>Les rangées sans date prévue ne sont pas enregistrées, et ces rangées contiennent quelque chose&#xa0;: %1.

Enregistrer sans elles? Répondez Non pour leur donner d&apos;abord une date prévue, ou utilisez «&#xa0;Supprimer la rangée&#xa0;» sur elles.</translation>
    </message>
</context>
<context>
    <name>screens::FindBatch</name>
    <message>
        <source>Batch I.D.</source>
        <translation>Nº de lot</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Variety</source>
        <translation>Cépage</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>In progress</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Type a few letters of a name, phone number, e-mail, identifier, variety or recipe.</source>
        <translation>Tapez quelques lettres d&apos;un nom, d&apos;un téléphone, d&apos;un courriel, d&apos;un numéro de lot, d&apos;un cépage ou d&apos;une recette.</translation>
    </message>
    <message>
        <source>1 batch found.</source>
        <translation>1 lot trouvé.</translation>
    </message>
    <message>
        <source>%1 batches found.</source>
        <translation>%1 lots trouvés.</translation>
    </message>
    <message>
        <source>Found Batches.csv</source>
        <translation>Lots trouvés.csv</translation>
    </message>
    <message>
        <source>No batch has the identifier &quot;%1&quot;.</source>
        <translation>Aucun lot ne porte le numéro « %1 ».</translation>
    </message>
    <message>
        <source>Damaged file</source>
        <translation>Fichier endommagé</translation>
    </message>
</context>
<context>
    <name>screens::InsertNewAction</name>
    <message>
        <source>Vintrelo no longer knows which action was postponed, so this note was not added. The postponement itself is saved.</source>
        <translation>Vintrelo ne sait plus quelle opération a été reportée; cette note n&apos;a donc pas été ajoutée. Le report lui-même est enregistré.</translation>
    </message>
    <message>
        <source>The actions of batch %1 were moved, but this note was not added to it, because the batch was changed meanwhile, probably on another computer. The list now shows the batches as they are.</source>
        <translation>Les actions du lot %1 ont été déplacées, mais cette note n&apos;y a pas été ajoutée, parce que le lot a été modifié entre-temps, probablement sur un autre ordinateur. La liste montre maintenant les lots tels qu&apos;ils sont.</translation>
    </message>
    <message>
        <source>This note was not added: its Action is empty. Type what was done in Action, or press &quot;Cancel&quot; to go back to the list without a note. The postponement itself is saved.</source>
        <translation>Cette note n&apos;a pas été ajoutée&#xa0;: son opération est vide. Tapez ce qui a été fait dans Opération, ou appuyez sur «&#xa0;Annuler&#xa0;» pour revenir à la liste sans note. Le report lui-même est enregistré.</translation>
    </message>
    <message>
        <source>The actions of batch %1 were moved, but this note was not added to it.

%2

Press &quot;Accept&quot; to try again, or &quot;Cancel&quot; to go back to the list without the note.</source>
        <translation>Les opérations du lot %1 ont été déplacées, mais cette note n&apos;y a pas été ajoutée.

%2

Appuyez sur «&#xa0;Accepter&#xa0;» pour réessayer, ou sur «&#xa0;Annuler&#xa0;» pour revenir à la liste sans la note.</translation>
    </message>
</context>
<context>
    <name>screens::ModifyRecipe</name>
    <message>
        <source>Recipe Number</source>
        <translation>Numéro de recette</translation>
    </message>
    <message>
        <source>Recipe Description</source>
        <translation>Description de la recette</translation>
    </message>
    <message>
        <source>These recipe files could not be read and are not listed:</source>
        <translation>Ces fichiers de recette n&apos;ont pas pu être lus et ne figurent pas dans la liste&#xa0;:</translation>
    </message>
    <message>
        <source>The recipe file &quot;%1&quot; begins with the number &quot;%2&quot;, which is not its own number, so Vintrelo does not open it: saving it would change another recipe&apos;s file. Correct the first line of the file, or rename the file after its number, then open it again.</source>
        <translation>Le fichier de recette «&#xa0;%1&#xa0;» commence par le numéro «&#xa0;%2&#xa0;», qui n&apos;est pas son propre numéro; Vintrelo ne l&apos;ouvre donc pas, car l&apos;enregistrer modifierait le fichier d&apos;une autre recette. Corrigez la première ligne du fichier, ou renommez le fichier d&apos;après son numéro, puis ouvrez-le de nouveau.</translation>
    </message>
</context>
<context>
    <name>screens::ModifyRecipe2</name>
    <message>
        <source>Are you sure you want to save the changes ?</source>
        <translation>Voulez-vous vraiment enregistrer les modifications?</translation>
    </message>
    <message>
        <source>You must enter a description of the recipe above</source>
        <translation>Vous devez entrer une description de la recette ci-dessus</translation>
    </message>
</context>
<context>
    <name>screens::NewBatch</name>
    <message>
        <source>

The variety can still be typed in by hand.</source>
        <translation>

Vous pouvez tout de même taper le cépage à la main.</translation>
    </message>
    <message>
        <source>Please fill in the Customer Name</source>
        <translation>Veuillez inscrire le nom du client</translation>
    </message>
    <message>
        <source>Please select the Variety from the list</source>
        <translation>Veuillez choisir le cépage dans la liste</translation>
    </message>
    <message>
        <source>Please select the Colour from the list</source>
        <translation>Veuillez choisir la couleur dans la liste</translation>
    </message>
    <message>
        <source>Please select a Recipe from the list</source>
        <translation>Veuillez choisir une recette dans la liste</translation>
    </message>
    <message>
        <source>The Start Date &quot;%1&quot; is not a date Vintrelo can read. Please type it like this: %2</source>
        <translation>La date de début «&#xa0;%1&#xa0;» n&apos;est pas une date que Vintrelo peut lire. Veuillez la taper ainsi&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>screens::NewBatch2</name>
    <message>
        <source>Batch I.D.: </source>
        <translation>Nº de lot&#xa0;: </translation>
    </message>
    <message>
        <source>Selected Recipe: </source>
        <translation>Recette choisie&#xa0;: </translation>
    </message>
    <message>
        <source>Day #</source>
        <translation>Jour nº</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>The Start Date &quot;%1&quot; is not a date Vintrelo can read. Go back and type it like this: %2</source>
        <translation>La date de début «&#xa0;%1&#xa0;» n&apos;est pas une date que Vintrelo peut lire. Revenez en arrière et tapez-la ainsi&#xa0;: %2</translation>
    </message>
    <message>
        <source>The batch was not created, and nothing was written.

%1</source>
        <translation>Le lot n&apos;a pas été créé, et rien n&apos;a été écrit.

%1</translation>
    </message>
</context>
<context>
    <name>screens::NewRecipe</name>
    <message>
        <source>You must enter a description of the recipe above</source>
        <translation>Vous devez entrer une description de la recette ci-dessus</translation>
    </message>
    <message>
        <source>Click Save again to save this recipe as number %1.</source>
        <translation>Cliquez de nouveau sur Enregistrer pour enregistrer cette recette sous le numéro %1.</translation>
    </message>
</context>
<context>
    <name>screens::ParticularsPanel</name>
    <message>
        <source>Province / State : </source>
        <translation>Province / État&#xa0;: </translation>
    </message>
</context>
<context>
    <name>screens::RecipeEditor</name>
    <message>
        <source>Day #</source>
        <translation>Jour nº</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>The list of Available Actions stays empty; you can still type the actions.</source>
        <translation>La liste des opérations disponibles reste vide; vous pouvez tout de même taper les opérations.</translation>
    </message>
</context>
<context>
    <name>screens::ThingsToDoToday</name>
    <message>
        <source>Batch I.D.</source>
        <translation>Nº de lot</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Date prévue</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>These batch files in &quot;%1&quot; are damaged, so their actions are not listed:

%2

To restore a file from a backup copy of the data folder, close Vintrelo and copy the file back into &quot;%1&quot; (see &quot;Backups&quot; in the README). To repair it instead, open it in a text editor: a batch file has 26 lines about the batch, then 13 lines for each action. The batch editor cannot open a file that is cut short.</source>
        <translation>Ces fichiers de lot dans «&#xa0;%1&#xa0;» sont endommagés; leurs opérations ne figurent donc pas dans la liste&#xa0;:

%2

Pour restaurer un fichier à partir d&apos;une copie de sauvegarde du dossier de données, fermez Vintrelo et recopiez le fichier dans «&#xa0;%1&#xa0;» (voir «&#xa0;Backups&#xa0;» dans le fichier README). Pour plutôt le réparer, ouvrez-le dans un éditeur de texte&#xa0;: un fichier de lot comporte 26 lignes sur le lot, puis 13 lignes pour chaque opération. L&apos;éditeur de lot ne peut pas ouvrir un fichier tronqué.</translation>
    </message>
    <message>
        <source>A previous action with the same Batch I.D. should be completed 1st</source>
        <translation>Une opération antérieure ayant le même nº de lot doit d&apos;abord être terminée</translation>
    </message>
    <message>
        <source>You have no tasks to complete today</source>
        <translation>Vous n&apos;avez aucune tâche à terminer aujourd&apos;hui</translation>
    </message>
    <message>
        <source>No action is open, so nothing was changed. Double-click the action in the list first.</source>
        <translation>Aucune opération n&apos;est ouverte; rien n&apos;a donc été modifié. Double-cliquez d&apos;abord sur l&apos;opération dans la liste.</translation>
    </message>
    <message>
        <source>Batch %1 no longer holds the action &quot;%2&quot; due %3 as it is listed; its file has changed since the list was made, probably on another computer. The list now shows the batches as they are.</source>
        <translation>Le lot %1 ne contient plus l&apos;action &quot;%2&quot; prévue le %3 telle qu&apos;elle est listée; son fichier a changé depuis que la liste a été faite, probablement sur un autre ordinateur. La liste montre maintenant les lots tels qu&apos;ils sont.</translation>
    </message>
    <message>
        <source>The amount, measurement or notes typed for this action have not been saved.

Do you want to leave them without saving?</source>
        <translation>La quantité, la mesure ou les notes tapées pour cette opération n&apos;ont pas été enregistrées.

Voulez-vous les laisser sans les enregistrer?</translation>
    </message>
    <message>
        <source>The action was not completed: the box &quot;%1&quot; is not ticked. Tick it, then press &quot;%2&quot; again.</source>
        <translation>L&apos;opération n&apos;a pas été terminée&#xa0;: la case «&#xa0;%1&#xa0;» n&apos;est pas cochée. Cochez-la, puis appuyez de nouveau sur «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number of days, so nothing was moved. Type the number of days in digits, such as 3, or -2 to bring the action forward.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier de jours, donc rien n&apos;a été déplacé. Tapez le nombre de jours en chiffres, par exemple 3, ou -2 pour avancer l&apos;opération.</translation>
    </message>
    <message>
        <source>%1 days is more than any calendar holds, so nothing was moved. Type a smaller number of days.</source>
        <translation>%1 jours, c&apos;est plus que tout calendrier, donc rien n&apos;a été déplacé. Tapez un nombre de jours plus petit.</translation>
    </message>
</context>
<context>
    <name>widgets::GridModel</name>
    <message>
        <source>%1: blank</source>
        <translation>%1&#xa0;: vide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>widgets::MeasurementChart</name>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Date Completed</source>
        <translation>Date de réalisation</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Mesure</translation>
    </message>
</context>
</TS>
