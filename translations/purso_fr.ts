<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Tolva Account Organizer plans and follows a household budget. Describe where money comes from and where it goes with objects, functional areas and categories, enter what really happened, and the cash flow chart shows the predicted and the actual balance of the year day by day.</source>
        <translation>Tolva Account Organizer planifie et suit un budget familial. Décrivez d&apos;où vient l&apos;argent et où il va avec des objets, des domaines fonctionnels et des catégories, saisissez ce qui s&apos;est réellement passé, et le graphique de trésorerie montre jour après jour le solde prévu et le solde réel de l&apos;année.</translation>
    </message>
    <message>
        <source>Each account is one file with the extension .pxf. It holds the years 1998 to 2099, each with its own opening balance, categories, predicted transactions and transactions, and the account&apos;s settings for dates and amounts. Nothing of an account is kept anywhere else.</source>
        <translation>Chaque compte est un fichier portant l&apos;extension .pxf. Il contient les années 1998 à 2099, chacune avec son solde initial, ses catégories, ses opérations prévues et ses opérations, ainsi que les paramètres du compte pour les dates et les montants. Rien d&apos;un compte n&apos;est conservé ailleurs.</translation>
    </message>
    <message>
        <source>Press F1 in the account window, or choose Help Index from the Help menu, to open the help pages. The Budget Wizard in the Categories menu leads a new user through setting up a year step by step.</source>
        <translation>Appuyez sur F1 dans la fenêtre du compte, ou choisissez Index de l&apos;aide dans le menu Aide, pour ouvrir les pages d&apos;aide. L&apos;assistant budget du menu Catégories guide pas à pas un nouvel utilisateur dans la mise en place d&apos;une année.</translation>
    </message>
    <message>
        <source>Tolva Account Organizer v1.1</source>
        <translation>Tolva Account Organizer v1.1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>About Tolva Account Organizer</source>
        <translation>À propos de Tolva Account Organizer</translation>
    </message>
</context>
<context>
    <name>AccountView</name>
    <message>
        <source>%1 Budget Balance</source>
        <translation>Solde budgété %1</translation>
    </message>
    <message>
        <source>Xaction Balance Date</source>
        <translation>Date du solde</translation>
    </message>
    <message>
        <source>Transaction Balance</source>
        <translation>Solde des opérations</translation>
    </message>
    <message>
        <source>Predaction Balance</source>
        <translation>Solde des prévisions</translation>
    </message>
    <message>
        <source>Outst. expenses</source>
        <translation>Dépenses à venir</translation>
    </message>
    <message>
        <source>Outst. incomes</source>
        <translation>Revenus à venir</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Réel</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Solveur</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>From month %1</source>
        <translation>Du mois %1</translation>
    </message>
    <message>
        <source>To month %1</source>
        <translation>Au mois %1</translation>
    </message>
    <message>
        <source>Shows or hides the bars of the predicted balance</source>
        <translation>Affiche ou masque les barres du solde prévu</translation>
    </message>
    <message>
        <source>Shows or hides the bars of the actual balance</source>
        <translation>Affiche ou masque les barres du solde réel</translation>
    </message>
    <message>
        <source>Outstanding expenses</source>
        <translation>Dépenses à venir</translation>
    </message>
    <message>
        <source>Outstanding incomes</source>
        <translation>Revenus à venir</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>The number of saves is invalid</source>
        <translation>Le nombre d&apos;enregistrements n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to 999.</source>
        <translation>Saisissez un nombre entier de 1 à 999.</translation>
    </message>
    <message>
        <source>The number of days is invalid</source>
        <translation>Le nombre de jours n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 999.</source>
        <translation>Saisissez un nombre entier de 0 à 999.</translation>
    </message>
    <message>
        <source>Besides &lt;name&gt;.pxf.bak, the program keeps earlier versions of every account it saves.</source>
        <translation>En plus de &lt;nom&gt;.pxf.bak, le programme conserve des versions antérieures de chaque compte enregistré.</translation>
    </message>
    <message>
        <source>Versions of the last saves:</source>
        <translation>Versions des derniers enregistrements&#xa0;:</translation>
    </message>
    <message>
        <source>Last version of each of the last days:</source>
        <translation>Une version par jour, nombre de jours&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
</context>
<context>
    <name>BudgetReportDialog</name>
    <message>
        <source>%1
share</source>
        <translation>%1
part</translation>
    </message>
    <message>
        <source>%1
actual</source>
        <translation>%1
réel</translation>
    </message>
    <message>
        <source>%1
surplus</source>
        <translation>%1
excédent</translation>
    </message>
    <message>
        <source>%1 %2 budget report</source>
        <translation>%1 %2 rapport budgétaire</translation>
    </message>
    <message>
        <source>Budget of %1 at %2</source>
        <translation>Budget %1 au %2</translation>
    </message>
    <message>
        <source>Predicted balance at %1</source>
        <translation>Solde prévu au %1</translation>
    </message>
    <message>
        <source>Actual balance at %1</source>
        <translation>Solde réel au %1</translation>
    </message>
    <message>
        <source>not yet known</source>
        <translation>pas encore connu</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Export Budget Report as HTML</source>
        <translation>Exporter le rapport budgétaire en HTML</translation>
    </message>
    <message>
        <source>HTML Files (*.html *.htm)</source>
        <translation>Fichiers HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Export Budget Report as CSV</source>
        <translation>Exporter le rapport budgétaire en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Budget of YYYY at xx/yy</source>
        <translation>Budget AAAA au xx/yy</translation>
    </message>
    <message>
        <source>
Category</source>
        <translation>
Catégorie</translation>
    </message>
    <message>
        <source>
Type</source>
        <translation>
Type</translation>
    </message>
    <message>
        <source>Annual
budget</source>
        <translation>Budget
annuel</translation>
    </message>
    <message>
        <source>xx/yy
share</source>
        <translation>xx/yy
part</translation>
    </message>
    <message>
        <source>xx/yy
actual</source>
        <translation>xx/yy
réel</translation>
    </message>
    <message>
        <source>xx/yy
surplus</source>
        <translation>xx/yy
excédent</translation>
    </message>
    <message>
        <source>XX/YY
surplus</source>
        <translation>XX/YY
excédent</translation>
    </message>
    <message>
        <source>Matched
preds.</source>
        <translation>Prév.
rappr.</translation>
    </message>
    <message>
        <source>Outst.
preds.</source>
        <translation>Prév.
à venir</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Export &amp;HTML...</source>
        <translation>Export &amp;HTML...</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Export &amp;CSV...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Budget Report</source>
        <translation>Rapport budgétaire</translation>
    </message>
</context>
<context>
    <name>BudgetReportPage</name>
    <message>
        <source>en</source>
        <translation>fr</translation>
    </message>
    <message>
        <source>%1, balance date %2</source>
        <translation>%1, date du solde %2</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Share to %1</source>
        <translation>Part au %1</translation>
    </message>
    <message>
        <source>Actual to %1</source>
        <translation>Réel au %1</translation>
    </message>
    <message>
        <source>Surplus at %1</source>
        <translation>Excédent au %1</translation>
    </message>
    <message>
        <source>Matched</source>
        <translation>Rapprochées</translation>
    </message>
    <message>
        <source>Outstanding</source>
        <translation>À venir</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Soldes</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>Au %1</translation>
    </message>
    <message>
        <source>Predicted balance</source>
        <translation>Solde prévu</translation>
    </message>
    <message>
        <source>Actual balance</source>
        <translation>Solde réel</translation>
    </message>
    <message>
        <source>Budget Report</source>
        <translation>Rapport budgétaire</translation>
    </message>
</context>
<context>
    <name>BudgetWizardDialog</name>
    <message>
        <source>Welcome to the Tolva Account Organizer Budget Wizard!<byte value="xd"/>
<byte value="xd"/>
Setting up a budget is the first step in getting your financial situation under control.<byte value="xd"/>
A Tolva Account Organizer budget allows you to pin-point any cash flow problems BEFORE they occur, so that your budget can be modified to nullify the problems.<byte value="xd"/>
<byte value="xd"/>
Hit the &quot;Next&quot; button to continue.</source>
        <translation>Bienvenue dans l&apos;assistant budget de Tolva Account Organizer&#xa0;!<byte value="xd"/>
<byte value="xd"/>
Établir un budget est le premier pas pour maîtriser votre situation financière.<byte value="xd"/>
Un budget Tolva Account Organizer vous permet de repérer les problèmes de trésorerie AVANT qu&apos;ils ne surviennent, afin d&apos;adapter votre budget pour les éviter.<byte value="xd"/>
<byte value="xd"/>
Cliquez sur «&#xa0;Suivant&#xa0;» pour continuer.</translation>
    </message>
    <message>
        <source>First you will have to define some Objects.<byte value="xd"/>
Tolva Account Organizer Objects are all the objects that:<byte value="xd"/>
- generate income OR<byte value="xd"/>
- generate expenses<byte value="xd"/>
<byte value="xd"/>
Examples are &quot;Mustang&quot; (the car), &quot;John&quot; (the husband), &quot;Mary&quot; (the wife), &quot;mansion&quot; (the house), ...<byte value="xd"/>
<byte value="xd"/>
You must create at least a few objects before you can continue.</source>
        <translation>Vous devez d&apos;abord définir quelques objets.<byte value="xd"/>
Les objets de Tolva Account Organizer sont tout ce qui&#xa0;:<byte value="xd"/>
- génère des revenus OU<byte value="xd"/>
- génère des dépenses<byte value="xd"/>
<byte value="xd"/>
Par exemple «&#xa0;Mustang&#xa0;» (la voiture), «&#xa0;Jean&#xa0;» (le mari), «&#xa0;Marie&#xa0;» (l&apos;épouse), «&#xa0;manoir&#xa0;» (la maison), ...<byte value="xd"/>
<byte value="xd"/>
Vous devez créer au moins quelques objets avant de continuer.</translation>
    </message>
    <message>
        <source>Now you will have to define some Functional Areas.<byte value="xd"/>
Tolva Account Organizer Functional Areas define the way your objects generate income or expenses.<byte value="xd"/>
<byte value="xd"/>
Examples are &quot;Insurance&quot;, &quot;Purchase&quot;, &quot;Food&quot;, &quot;Day Job&quot;, &quot;Maintenance&quot;, ...<byte value="xd"/>
<byte value="xd"/>
You must create at least a few functional areas before you can continue.</source>
        <translation>Vous devez maintenant définir quelques domaines fonctionnels.<byte value="xd"/>
Les domaines fonctionnels de Tolva Account Organizer décrivent la façon dont vos objets génèrent des revenus ou des dépenses.<byte value="xd"/>
<byte value="xd"/>
Par exemple «&#xa0;Assurance&#xa0;», «&#xa0;Achat&#xa0;», «&#xa0;Alimentation&#xa0;», «&#xa0;Emploi&#xa0;», «&#xa0;Entretien&#xa0;», ...<byte value="xd"/>
<byte value="xd"/>
Vous devez créer au moins quelques domaines fonctionnels avant de continuer.</translation>
    </message>
    <message>
        <source>Now it&apos;s time to create some categories.<byte value="xd"/>
Tolva Account Organizer Categories combine objects and functional areas into budget categories.<byte value="xd"/>
<byte value="xd"/>
Examples are:<byte value="xd"/>
- &quot;Car Insurance&quot; (combining &quot;Mustang&quot; and &quot;Insurance&quot;)<byte value="xd"/>
- &quot;Bank Job&quot; (combining &quot;Mary&quot; and &quot;Day Job&quot;)<byte value="xd"/>
<byte value="xd"/>
There are 4 kinds of categories:<byte value="xd"/>
- Fix Ex<byte value="xd"/>
- Fix In<byte value="xd"/>
- Var Ex<byte value="xd"/>
- Var In<byte value="xd"/>
&quot;Fix&quot; categories have a fixed number of predicted transactions (&quot;predactions&quot;) which you will have to define.<byte value="xd"/>
&quot;Var&quot; categories have an unknown number of predactions. You will have to set an annual budget for these categories.<byte value="xd"/>
<byte value="xd"/>
&quot;In&quot; categories define income categories<byte value="xd"/>
&quot;Ex&quot; categories define expense categories<byte value="xd"/>
<byte value="xd"/>
You must create at least a few categories before you can continue.</source>
        <translation>Il est temps de créer quelques catégories.<byte value="xd"/>
Les catégories de Tolva Account Organizer associent objets et domaines fonctionnels en catégories budgétaires.<byte value="xd"/>
<byte value="xd"/>
Par exemple&#xa0;:<byte value="xd"/>
- «&#xa0;Assurance auto&#xa0;» (associant «&#xa0;Mustang&#xa0;» et «&#xa0;Assurance&#xa0;»)<byte value="xd"/>
- «&#xa0;Emploi banque&#xa0;» (associant «&#xa0;Marie&#xa0;» et «&#xa0;Emploi&#xa0;»)<byte value="xd"/>
<byte value="xd"/>
Il existe 4 types de catégories&#xa0;:<byte value="xd"/>
- Fixe Dép<byte value="xd"/>
- Fixe Rev<byte value="xd"/>
- Var Dép<byte value="xd"/>
- Var Rev<byte value="xd"/>
Les catégories «&#xa0;Fixe&#xa0;» ont un nombre fixe d&apos;opérations prévues («&#xa0;prévisions&#xa0;») que vous devrez définir.<byte value="xd"/>
Les catégories «&#xa0;Var&#xa0;» ont un nombre inconnu de prévisions. Vous devrez fixer un budget annuel pour ces catégories.<byte value="xd"/>
<byte value="xd"/>
Les catégories «&#xa0;Rev&#xa0;» sont des catégories de revenus<byte value="xd"/>
Les catégories «&#xa0;Dép&#xa0;» sont des catégories de dépenses<byte value="xd"/>
<byte value="xd"/>
Vous devez créer au moins quelques catégories avant de continuer.</translation>
    </message>
    <message>
        <source>The opening balance is the amount of money in your account on Jan 1.</source>
        <translation>Le solde initial est le montant présent sur votre compte au 1er janvier.</translation>
    </message>
    <message>
        <source>Congratulations!<byte value="xd"/>
You have successfully created a budget.<byte value="xd"/>
Hit &quot;Finish&quot; to display the Cash Flow Chart and analyse your budget.</source>
        <translation>Félicitations&#xa0;!<byte value="xd"/>
Vous avez créé un budget.<byte value="xd"/>
Cliquez sur «&#xa0;Terminer&#xa0;» pour afficher le graphique de trésorerie et analyser votre budget.</translation>
    </message>
    <message>
        <source>[Step 1/6] Introduction</source>
        <translation>[Étape 1/6] Introduction</translation>
    </message>
    <message>
        <source>[Step 2/6] Objects</source>
        <translation>[Étape 2/6] Objets</translation>
    </message>
    <message>
        <source>Hit &quot;Go&quot; to add some objects now</source>
        <translation>«&#xa0;Ouvrir&#xa0;» pour ajouter des objets</translation>
    </message>
    <message>
        <source>[Step 3/6] Functional Areas</source>
        <translation>[Étape 3/6] Domaines fonctionnels</translation>
    </message>
    <message>
        <source>Hit &quot;Go&quot; to add some functional areas now</source>
        <translation>«&#xa0;Ouvrir&#xa0;» pour ajouter des domaines</translation>
    </message>
    <message>
        <source>[Step 4/6] Categories</source>
        <translation>[Étape 4/6] Catégories</translation>
    </message>
    <message>
        <source>Hit &quot;Go&quot; to add some categories now</source>
        <translation>«&#xa0;Ouvrir&#xa0;» pour ajouter des catégories</translation>
    </message>
    <message>
        <source>[Step 5/6] Opening Balance</source>
        <translation>[Étape 5/6] Solde initial</translation>
    </message>
    <message>
        <source>Hit &quot;Go&quot; to set the opening balance now</source>
        <translation>«&#xa0;Ouvrir&#xa0;» pour saisir le solde initial</translation>
    </message>
    <message>
        <source>[Step 6/6] Cash Flow Chart</source>
        <translation>[Étape 6/6] Graphique de trésorerie</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Previous</source>
        <translation>&lt;&lt; &amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Suivant &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Terminer</translation>
    </message>
    <message>
        <source>Budget Wizard</source>
        <translation>Assistant budget</translation>
    </message>
</context>
<context>
    <name>CategoriesDialog</name>
    <message>
        <source>You have not defined any objects.
You need some objects to define categories.</source>
        <translation>Vous n&apos;avez défini aucun objet.
Il faut des objets pour définir des catégories.</translation>
    </message>
    <message>
        <source>Press &quot;Objects&quot; to define objects.</source>
        <translation>Cliquez sur «&#xa0;Objets&#xa0;» pour définir des objets.</translation>
    </message>
    <message>
        <source>You have not defined any functional areas.
You need some functional areas to define categories.</source>
        <translation>Vous n&apos;avez défini aucun domaine fonctionnel.
Il faut des domaines fonctionnels pour définir des catégories.</translation>
    </message>
    <message>
        <source>Press &quot;Fun. Areas&quot; to define functional areas.</source>
        <translation>Cliquez sur «&#xa0;Domaines&#xa0;» pour définir des domaines fonctionnels.</translation>
    </message>
    <message>
        <source>Budget surplus</source>
        <translation>Excédent budgétaire</translation>
    </message>
    <message>
        <source>Budget Deficit</source>
        <translation>Déficit budgétaire</translation>
    </message>
    <message>
        <source>This category is in use so the type cannot be updated.</source>
        <translation>Cette catégorie est utilisée&#xa0;: son type ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>- do not update the type
- create a new category with the desired type</source>
        <translation>- ne modifiez pas le type
- créez une nouvelle catégorie du type voulu</translation>
    </message>
    <message>
        <source>All predactions of this category will be removed.
Do you want to continue?</source>
        <translation>Toutes les prévisions de cette catégorie seront supprimées.
Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>This category is in use and cannot be removed.</source>
        <translation>Cette catégorie est utilisée et ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>- remove all transactions in this category
- change the category without removing it</source>
        <translation>- supprimez toutes les opérations de cette catégorie
- modifiez la catégorie au lieu de la supprimer</translation>
    </message>
    <message>
        <source>No category selected.</source>
        <translation>Aucune catégorie sélectionnée.</translation>
    </message>
    <message>
        <source>Select a category to add predictions.</source>
        <translation>Sélectionnez une catégorie pour ajouter des prévisions.</translation>
    </message>
    <message>
        <source>Fix In</source>
        <translation>Fixe Rev</translation>
    </message>
    <message>
        <source>Var In</source>
        <translation>Var Rev</translation>
    </message>
    <message>
        <source>Fix Ex</source>
        <translation>Fixe Dép</translation>
    </message>
    <message>
        <source>Var Ex</source>
        <translation>Var Dép</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Functional Area</source>
        <translation>Domaine fonct.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Predactions</source>
        <translation>&amp;Prévisions</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objets</translation>
    </message>
    <message>
        <source>&amp;Fun. Areas</source>
        <translation>&amp;Domaines</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Total Income</source>
        <translation>Total revenus</translation>
    </message>
    <message>
        <source>Total Expenses</source>
        <translation>Total dépenses</translation>
    </message>
    <message>
        <source>Budget ???</source>
        <translation>Budget&#xa0;???</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
</context>
<context>
    <name>CategoryType</name>
    <message>
        <source>Fix Ex</source>
        <translation>Fixe Dép</translation>
    </message>
    <message>
        <source>Fix In</source>
        <translation>Fixe Rev</translation>
    </message>
    <message>
        <source>Var Ex</source>
        <translation>Var Dép</translation>
    </message>
    <message>
        <source>Var In</source>
        <translation>Var Rev</translation>
    </message>
</context>
<context>
    <name>ChangeYearDialog</name>
    <message>
        <source>The year %1 has no budget yet.
Do you want to start it with the budget of %2?</source>
        <translation>L&apos;année %1 n&apos;a pas encore de budget.
Voulez-vous la commencer avec le budget de %2&#xa0;?</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Change Year </source>
        <translation>Changer d&apos;année </translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>%1, months %2 to %3</source>
        <translation>%1, mois %2 à %3</translation>
    </message>
</context>
<context>
    <name>CsvColumnsDialog</name>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>The columns of %1</source>
        <translation>Les colonnes de %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Year Month Day (2024-12-31)</source>
        <translation>Année Mois Jour (2024-12-31)</translation>
    </message>
    <message>
        <source>Day Month Year (31.12.2024)</source>
        <translation>Jour Mois Année (31.12.2024)</translation>
    </message>
    <message>
        <source>Month Day Year (12/31/2024)</source>
        <translation>Mois Jour Année (12/31/2024)</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Point (1,234.56)</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Virgule (1.234,56)</translation>
    </message>
    <message>
        <source>The columns of the statement</source>
        <translation>Les colonnes du relevé</translation>
    </message>
    <message>
        <source>The first line holds the column &amp;names</source>
        <translation>La première ligne contient les &amp;noms des colonnes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>or Money out</source>
        <translation>ou Débit</translation>
    </message>
    <message>
        <source>and Money in</source>
        <translation>et Crédit</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Ordre des dates</translation>
    </message>
    <message>
        <source>Decimal symbol</source>
        <translation>Symbole décimal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Statement Columns</source>
        <translation>Colonnes du relevé</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>added on %1</source>
        <translation>ajoutée le %1</translation>
    </message>
    <message>
        <source>updated on %1</source>
        <translation>modifiée le %1</translation>
    </message>
    <message>
        <source>The description for this transaction is invalid (too long). 
Current length = %1
Maximum length = %2</source>
        <translation>La description de cette opération n&apos;est pas valide (trop longue). 
Longueur actuelle = %1
Longueur maximale = %2</translation>
    </message>
    <message>
        <source>Enter a shorter name for the new object</source>
        <translation>Saisissez une description plus courte</translation>
    </message>
    <message>
        <source>The description is invalid.</source>
        <translation>La description n&apos;est pas valide.</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>- check the name and the folder of the file
- open another file</source>
        <translation>- vérifiez le nom et le dossier du fichier
- ouvrez un autre fichier</translation>
    </message>
    <message>
        <source>You may not read the file %1.</source>
        <translation>Vous n&apos;avez pas le droit de lire le fichier %1.</translation>
    </message>
    <message>
        <source>- ask the owner of the file for the right to read it
- open another file</source>
        <translation>- demandez au propriétaire du fichier le droit de le lire
- ouvrez un autre fichier</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>- open a .PXF file</source>
        <translation>- ouvrez un fichier .PXF</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: it is damaged or it is no account file.
Its backup %2 can be read. Do you want to open the backup in its place? Saving it then replaces the damaged file.</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: il est endommagé ou ce n&apos;est pas un fichier de compte.
Sa sauvegarde %2 est lisible. Voulez-vous ouvrir la sauvegarde à sa place&#xa0;? L&apos;enregistrer remplacera alors le fichier endommagé.</translation>
    </message>
    <message>
        <source>The last save of %1 was interrupted.
The account is as it was before that save, put back from its backup %2.</source>
        <translation>Le dernier enregistrement de %1 a été interrompu.
Le compte est tel qu&apos;il était avant cet enregistrement, restauré depuis sa sauvegarde %2.</translation>
    </message>
    <message>
        <source>- check the changes made just before that save, and make again those that are missing</source>
        <translation>- vérifiez les modifications faites juste avant cet enregistrement et refaites celles qui manquent</translation>
    </message>
    <message>
        <source>The account %1 is open in another program%2.
Do you want to open it anyway?</source>
        <translation>Le compte %1 est ouvert dans un autre programme%2.
Voulez-vous l&apos;ouvrir quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The file %1 is open in another program%2.
Do you want to replace it anyway?</source>
        <translation>Le fichier %1 est ouvert dans un autre programme%2.
Voulez-vous le remplacer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The account %1 cannot be locked against a second program: %2 is a lock file that is not this program&apos;s.</source>
        <translation>Le compte %1 ne peut pas être verrouillé contre un second programme&#xa0;: %2 est un fichier de verrou qui n&apos;appartient pas à ce programme.</translation>
    </message>
    <message>
        <source>- changes another program makes are still noticed before a save
- remove %2 if no one uses it</source>
        <translation>- les modifications d&apos;un autre programme sont tout de même détectées avant un enregistrement
- supprimez %2 si personne ne l&apos;utilise</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since it was opened.
Do you want to replace it?</source>
        <translation>Le fichier %1 a été modifié par un autre programme depuis son ouverture.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The file %1 is now a link to %2, put there by another program since it was opened.
Do you want to replace the link with this account? The file it links to is not changed.</source>
        <translation>Le fichier %1 est désormais un lien vers %2, placé par un autre programme depuis son ouverture.
Voulez-vous remplacer le lien par ce compte&#xa0;? Le fichier lié ne sera pas modifié.</translation>
    </message>
    <message>
        <source>The file %1 already exists.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source> (%1 on %2, process %3)</source>
        <translation> (%1 sur %2, processus %3)</translation>
    </message>
    <message>
        <source>The file %1 is not a bank statement the program can read.</source>
        <translation>Le fichier %1 n&apos;est pas un relevé bancaire que le programme sait lire.</translation>
    </message>
    <message>
        <source>- choose an OFX or QFX, a QIF or a CSV statement (.ofx, .qfx, .qif, .csv)</source>
        <translation>- choisissez un relevé OFX ou QFX, QIF ou CSV (.ofx, .qfx, .qif, .csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Le fichier %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>- check that you may write to the folder
- check that the disk is not full
- try another name</source>
        <translation>- vérifiez que vous pouvez écrire dans le dossier
- vérifiez que le disque n&apos;est pas plein
- essayez un autre nom</translation>
    </message>
    <message>
        <source>Reading the statement %1...</source>
        <translation>Lecture du relevé %1...</translation>
    </message>
    <message>
        <source>Comparing the statement with the account...</source>
        <translation>Comparaison du relevé avec le compte...</translation>
    </message>
    <message>
        <source>The account %1 has changes that were not saved when the program ended on %2.
Do you want to recover them?</source>
        <translation>Le compte %1 contient des modifications qui n&apos;étaient pas enregistrées quand le programme s&apos;est arrêté le %2.
Voulez-vous les récupérer&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to delete the changes to %1 of %2 for good?
If you answer No, they are kept until you save the account.</source>
        <translation>Voulez-vous supprimer définitivement les modifications de %1 du %2&#xa0;?
Si vous répondez Non, elles sont conservées jusqu&apos;à ce que vous enregistriez le compte.</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read: %2.</source>
        <translation>La copie de récupération %1 ne peut pas être lue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>- it holds no changes that can be recovered
- answer the next question to delete it or keep it</source>
        <translation>- elle ne contient aucune modification récupérable
- répondez à la question suivante pour la supprimer ou la conserver</translation>
    </message>
    <message>
        <source>Do you want to delete the damaged recovery copy %1?</source>
        <translation>Voulez-vous supprimer la copie de récupération endommagée %1&#xa0;?</translation>
    </message>
    <message>
        <source>The recovery copy of %1 cannot be written: unsaved changes would be lost if the program ended now.</source>
        <translation>La copie de récupération de %1 ne peut pas être écrite&#xa0;: les modifications non enregistrées seraient perdues si le programme s&apos;arrêtait maintenant.</translation>
    </message>
    <message>
        <source>The oldest undo step was dropped to keep undo within 64 MiB.</source>
        <translation>L&apos;étape d&apos;annulation la plus ancienne a été abandonnée pour limiter l&apos;annulation à 64 Mio.</translation>
    </message>
    <message>
        <source>The %1 oldest undo steps were dropped to keep undo within 64 MiB.</source>
        <translation>Les %1 étapes d&apos;annulation les plus anciennes ont été abandonnées pour limiter l&apos;annulation à 64 Mio.</translation>
    </message>
    <message>
        <source>%1 changed too much to be undone; the changes before it can no longer be undone either.</source>
        <translation>%1 a trop modifié pour être annulé&#xa0;; les modifications antérieures ne peuvent plus être annulées non plus.</translation>
    </message>
    <message>
        <source>No earlier version of %1 could be kept: the folder of kept versions cannot be written.</source>
        <translation>Aucune version antérieure de %1 n&apos;a pu être conservée&#xa0;: le dossier des versions conservées n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>%1 (restored %2)</source>
        <translation>%1 (restauré le %2)</translation>
    </message>
    <message>
        <source>%1 restored %2</source>
        <translation>%1 restauré %2</translation>
    </message>
    <message>
        <source>You have not defined any objects.
You need some objects to define categories.</source>
        <translation>Vous n&apos;avez défini aucun objet.
Il faut des objets pour définir des catégories.</translation>
    </message>
    <message>
        <source>Select &quot;Categories|Objects...&quot; to define objects.</source>
        <translation>Choisissez «&#xa0;Catégories|Objets...&#xa0;» pour définir des objets.</translation>
    </message>
    <message>
        <source>You have not defined any functional areas.
You need some functional areas to define categories.</source>
        <translation>Vous n&apos;avez défini aucun domaine fonctionnel.
Il faut des domaines fonctionnels pour définir des catégories.</translation>
    </message>
    <message>
        <source>Select &quot;Categories|Functional Areas...&quot; to define functional areas.</source>
        <translation>Choisissez «&#xa0;Catégories|Domaines fonctionnels...&#xa0;» pour définir des domaines fonctionnels.</translation>
    </message>
    <message>
        <source>You have not defined any categories.
You need some categories to create transactions.</source>
        <translation>Vous n&apos;avez défini aucune catégorie.
Il faut des catégories pour créer des opérations.</translation>
    </message>
    <message>
        <source>Select &quot;Categories|Categories...&quot; to define categories.</source>
        <translation>Choisissez «&#xa0;Catégories|Catégories...&#xa0;» pour définir des catégories.</translation>
    </message>
</context>
<context>
    <name>ExportChartDialog</name>
    <message>
        <source>The size is invalid.</source>
        <translation>La taille n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Enter a number of pixels from 100 to 10000.</source>
        <translation>Saisissez un nombre de pixels de 100 à 10000.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>&amp;PNG image</source>
        <translation>Image &amp;PNG</translation>
    </message>
    <message>
        <source>&amp;SVG drawing</source>
        <translation>Dessin &amp;SVG</translation>
    </message>
    <message>
        <source>P&amp;DF page</source>
        <translation>Page P&amp;DF</translation>
    </message>
    <message>
        <source>Width (pixels)</source>
        <translation>Largeur (pixels)</translation>
    </message>
    <message>
        <source>Height (pixels)</source>
        <translation>Hauteur (pixels)</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Exporter le graphique</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Purso Files (*.pxf)</source>
        <translation>Fichiers Purso (*.pxf)</translation>
    </message>
    <message>
        <source>Bank Statements (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV);;OFX Files (*.ofx *.qfx *.OFX *.QFX);;QIF Files (*.qif *.QIF);;CSV Files (*.csv *.CSV)</source>
        <translation>Relevés bancaires (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV);;Fichiers OFX (*.ofx *.qfx *.OFX *.QFX);;Fichiers QIF (*.qif *.QIF);;Fichiers CSV (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Exporter le graphique</translation>
    </message>
    <message>
        <source>%1 %2 chart</source>
        <translation>%1 %2 graphique</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Importer un relevé</translation>
    </message>
    <message>
        <source>Export Year as CSV</source>
        <translation>Exporter l&apos;année en CSV</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>(no category)</source>
        <translation>(sans catégorie)</translation>
    </message>
    <message>
        <source>opening balance</source>
        <translation>solde initial</translation>
    </message>
    <message>
        <source>Every line is money in. If some are payments, check the signs or the columns of the statement.</source>
        <translation>Toutes les lignes sont des entrées d&apos;argent. Si certaines sont des paiements, vérifiez les signes ou les colonnes du relevé.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouvelle</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>doublon</translation>
    </message>
    <message>
        <source>The line has no category.</source>
        <translation>La ligne n&apos;a pas de catégorie.</translation>
    </message>
    <message>
        <source>Choose a category for the line first.</source>
        <translation>Choisissez d&apos;abord une catégorie pour la ligne.</translation>
    </message>
    <message>
        <source>Some of the selected lines have no category.</source>
        <translation>Certaines des lignes sélectionnées n&apos;ont pas de catégorie.</translation>
    </message>
    <message>
        <source>Choose a category for the lines first.</source>
        <translation>Choisissez d&apos;abord une catégorie pour les lignes.</translation>
    </message>
    <message>
        <source>The account has changed since the statement was read.</source>
        <translation>Le compte a changé depuis la lecture du relevé.</translation>
    </message>
    <message>
        <source>Import the statement again.</source>
        <translation>Importez le relevé à nouveau.</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 ligne</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>%1 (line %2 of the file)</source>
        <translation>%1 (ligne %2 du fichier)</translation>
    </message>
    <message>
        <source>%1 (lines %2 of the file)</source>
        <translation>%1 (lignes %2 du fichier)</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>banque</translation>
    </message>
    <message>
        <source>card</source>
        <translation>carte</translation>
    </message>
    <message>
        <source>investment</source>
        <translation>placement</translation>
    </message>
    <message>
        <source>Statement: %1, %2</source>
        <translation>Relevé&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>%1 of %2 to import</source>
        <translation>%1 sur %2 à importer</translation>
    </message>
    <message>
        <source>outside the years %1 to %2: %3</source>
        <translation>hors des années %1 à %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>without a date: %1</source>
        <translation>sans date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not imported, </source>
        <translation>Non importées, </translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Relevé</translation>
    </message>
    <message>
        <source>0 of 0 lines to import</source>
        <translation>0 sur 0 lignes à importer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Predaction</source>
        <translation>Prévision</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Category of the selected lines</source>
        <translation>Catégorie des lignes sélectionnées</translation>
    </message>
    <message>
        <source>Import these &amp;lines</source>
        <translation>Importer ces &amp;lignes</translation>
    </message>
    <message>
        <source>Account of the statement</source>
        <translation>Compte du relevé</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Importer un relevé</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>The budget is invalid (bad format)</source>
        <translation>Le budget n&apos;est pas valide (format incorrect)</translation>
    </message>
    <message>
        <source>The budget is invalid (number too big)</source>
        <translation>Le budget n&apos;est pas valide (nombre trop grand)</translation>
    </message>
    <message>
        <source>The date is invalid.</source>
        <translation>La date n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>- check the day and the month for errors
- check the PURSO settings for the current date format.</source>
        <translation>- vérifiez le jour et le mois
- vérifiez le format de date actuel dans les paramètres de PURSO.</translation>
    </message>
    <message>
        <source>The amount is invalid (bad format)</source>
        <translation>Le montant n&apos;est pas valide (format incorrect)</translation>
    </message>
    <message>
        <source>Enter a valid number.</source>
        <translation>Saisissez un nombre valide.</translation>
    </message>
    <message>
        <source>The amount is invalid (number too big)</source>
        <translation>Le montant n&apos;est pas valide (nombre trop grand)</translation>
    </message>
    <message>
        <source>Enter a number &lt; 999999999</source>
        <translation>Saisissez un nombre &lt; 999999999</translation>
    </message>
    <message>
        <source>The opening balance is invalid (bad format)</source>
        <translation>Le solde initial n&apos;est pas valide (format incorrect)</translation>
    </message>
    <message>
        <source>The balance is invalid (number too big)</source>
        <translation>Le solde n&apos;est pas valide (nombre trop grand)</translation>
    </message>
    <message>
        <source>The first predaction date is invalid.</source>
        <translation>La date de la première prévision n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The last predaction date is invalid.</source>
        <translation>La date de la dernière prévision n&apos;est pas valide.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>MatchDialog</name>
    <message>
        <source>No predaction selected.</source>
        <translation>Aucune prévision sélectionnée.</translation>
    </message>
    <message>
        <source>- select an existing predaction
- create a new predaction</source>
        <translation>- sélectionnez une prévision existante
- créez une nouvelle prévision</translation>
    </message>
    <message>
        <source>Unmatched predactions for this category:</source>
        <translation>Prévisions non rapprochées de la catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Rapprocher</translation>
    </message>
    <message>
        <source>&amp;New Pred.</source>
        <translation>&amp;Nouv. prév.</translation>
    </message>
    <message>
        <source>&amp;Predactions</source>
        <translation>&amp;Prévisions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Match transaction with predaction</source>
        <translation>Rapprocher l&apos;opération d&apos;une prévision</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Help Index</source>
        <translation>&amp;Index de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Tolva Account Organizer...</source>
        <translation>À &amp;propos de Tolva Account Organizer...</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Restore Earlier &amp;Version...</source>
        <translation>Restaurer une &amp;version antérieure...</translation>
    </message>
    <message>
        <source>&amp;Import Statement...</source>
        <translation>&amp;Importer un relevé...</translation>
    </message>
    <message>
        <source>&amp;Export Year as CSV...</source>
        <translation>E&amp;xporter l&apos;année en CSV...</translation>
    </message>
    <message>
        <source>Export C&amp;hart...</source>
        <translation>Exporter le &amp;graphique...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print P&amp;review...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Change &amp;Year...</source>
        <translation>&amp;Changer d&apos;année...</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <translation>Paramè&amp;tres...</translation>
    </message>
    <message>
        <source>Bac&amp;kups...</source>
        <translation>Sauvegar&amp;des...</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Rétablir	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;Objects...</source>
        <translation>&amp;Objets...</translation>
    </message>
    <message>
        <source>&amp;Functional Areas...</source>
        <translation>&amp;Domaines fonctionnels...</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>&amp;Catégories...</translation>
    </message>
    <message>
        <source>Budget &amp;Wizard...</source>
        <translation>&amp;Assistant budget...</translation>
    </message>
    <message>
        <source>Opening &amp;Balance</source>
        <translation>&amp;Solde initial</translation>
    </message>
    <message>
        <source>&amp;Transactions</source>
        <translation>&amp;Opérations</translation>
    </message>
    <message>
        <source>&amp;Solver</source>
        <translation>Sol&amp;veur</translation>
    </message>
    <message>
        <source>Budget &amp;Report</source>
        <translation>&amp;Rapport budgétaire</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Catégories</translation>
    </message>
    <message>
        <source>&amp;Operations</source>
        <translation>&amp;Opérations</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
</context>
<context>
    <name>MessageDialogs</name>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Try closing all other applications.
If that doesn&apos;t work, consider buying more RAM.</source>
        <translation>Fermez toutes les autres applications.
Si cela ne suffit pas, envisagez d&apos;ajouter de la mémoire vive.</translation>
    </message>
    <message>
        <source>Unable to complete operation (out of memory).</source>
        <translation>Impossible de terminer l&apos;opération (mémoire insuffisante).</translation>
    </message>
    <message>
        <source>Purso</source>
        <translation>Purso</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>&lt;&lt; problem &gt;&gt;</source>
        <translation>&lt;&lt; problème &gt;&gt;</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Suggestion</translation>
    </message>
    <message>
        <source>&lt;&lt; suggestion &gt;&gt;</source>
        <translation>&lt;&lt; suggestion &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Question?</source>
        <translation>Question&#xa0;?</translation>
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
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>NameListDialog</name>
    <message>
        <source>The object %1 is used by the category %2 and cannot be removed.</source>
        <translation>L&apos;objet %1 est utilisé par la catégorie %2 et ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>- remove that category
- change that category to another object</source>
        <translation>- supprimez cette catégorie
- affectez un autre objet à cette catégorie</translation>
    </message>
    <message>
        <source>No object selected.</source>
        <translation>Aucun objet sélectionné.</translation>
    </message>
    <message>
        <source>Select an object to remove.</source>
        <translation>Sélectionnez un objet à supprimer.</translation>
    </message>
    <message>
        <source>The functional area %1 is used by the category %2 and cannot be removed.</source>
        <translation>Le domaine fonctionnel %1 est utilisé par la catégorie %2 et ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>- remove that category
- change that category to another functional area</source>
        <translation>- supprimez cette catégorie
- affectez un autre domaine fonctionnel à cette catégorie</translation>
    </message>
    <message>
        <source>No FNAect selected.</source>
        <translation>Aucun domaine fonctionnel sélectionné.</translation>
    </message>
    <message>
        <source>Select an FNAect to remove.</source>
        <translation>Sélectionnez un domaine fonctionnel à supprimer.</translation>
    </message>
    <message>
        <source>Functional Area Name</source>
        <translation>Nom du domaine fonctionnel</translation>
    </message>
    <message>
        <source>Functional Areas</source>
        <translation>Domaines fonctionnels</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>Nom de l&apos;objet</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
</context>
<context>
    <name>NameRules</name>
    <message>
        <source>The name of the new object is invalid.</source>
        <translation>Le nom du nouvel objet n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The name of the new object is invalid (zero length)</source>
        <translation>Le nom du nouvel objet n&apos;est pas valide (vide)</translation>
    </message>
    <message>
        <source>Enter a valid name for the new object</source>
        <translation>Saisissez un nom valide pour le nouvel objet</translation>
    </message>
    <message>
        <source>The name of the new object is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Le nom du nouvel objet n&apos;est pas valide (trop long). 
Longueur actuelle = %u
Longueur maximale = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the new object</source>
        <translation>Saisissez un nom plus court pour le nouvel objet</translation>
    </message>
    <message>
        <source>The name of the new object is invalid (already in use)</source>
        <translation>Le nom du nouvel objet n&apos;est pas valide (déjà utilisé)</translation>
    </message>
    <message>
        <source>Use a different name for the new object</source>
        <translation>Utilisez un autre nom pour le nouvel objet</translation>
    </message>
    <message>
        <source>The name of the object is invalid.</source>
        <translation>Le nom de l&apos;objet n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The name of the object is invalid (zero length)</source>
        <translation>Le nom de l&apos;objet n&apos;est pas valide (vide)</translation>
    </message>
    <message>
        <source>Enter a valid name for the object</source>
        <translation>Saisissez un nom valide pour l&apos;objet</translation>
    </message>
    <message>
        <source>The name of the object is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Le nom de l&apos;objet n&apos;est pas valide (trop long). 
Longueur actuelle = %u
Longueur maximale = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the object</source>
        <translation>Saisissez un nom plus court pour l&apos;objet</translation>
    </message>
    <message>
        <source>The name of the object is invalid (already in use)</source>
        <translation>Le nom de l&apos;objet n&apos;est pas valide (déjà utilisé)</translation>
    </message>
    <message>
        <source>Use a different name for the object</source>
        <translation>Utilisez un autre nom pour l&apos;objet</translation>
    </message>
    <message>
        <source>The name of the new functional area is invalid.</source>
        <translation>Le nom du nouveau domaine fonctionnel n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The name of the new functional area is invalid (zero length)</source>
        <translation>Le nom du nouveau domaine fonctionnel n&apos;est pas valide (vide)</translation>
    </message>
    <message>
        <source>Enter a valid name for the new functional area</source>
        <translation>Saisissez un nom valide pour le nouveau domaine fonctionnel</translation>
    </message>
    <message>
        <source>The name of the new FNAect is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Le nom du nouveau domaine fonctionnel n&apos;est pas valide (trop long). 
Longueur actuelle = %u
Longueur maximale = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the new FNAect</source>
        <translation>Saisissez un nom plus court pour le nouveau domaine fonctionnel</translation>
    </message>
    <message>
        <source>The name of the new FNAect is invalid (already in use)</source>
        <translation>Le nom du nouveau domaine fonctionnel n&apos;est pas valide (déjà utilisé)</translation>
    </message>
    <message>
        <source>Use a different name for the new FNAect</source>
        <translation>Utilisez un autre nom pour le nouveau domaine fonctionnel</translation>
    </message>
    <message>
        <source>The name of the functional area is invalid.</source>
        <translation>Le nom du domaine fonctionnel n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The name of the functional area is invalid (zero length)</source>
        <translation>Le nom du domaine fonctionnel n&apos;est pas valide (vide)</translation>
    </message>
    <message>
        <source>Enter a valid name for the functional area</source>
        <translation>Saisissez un nom valide pour le domaine fonctionnel</translation>
    </message>
    <message>
        <source>The name of the functional area is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Le nom du domaine fonctionnel n&apos;est pas valide (trop long). 
Longueur actuelle = %u
Longueur maximale = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the functional area</source>
        <translation>Saisissez un nom plus court pour le domaine fonctionnel</translation>
    </message>
    <message>
        <source>The name of the functional area is invalid (already in use)</source>
        <translation>Le nom du domaine fonctionnel n&apos;est pas valide (déjà utilisé)</translation>
    </message>
    <message>
        <source>Use a different name for the FNA</source>
        <translation>Utilisez un autre nom pour le domaine fonctionnel</translation>
    </message>
    <message>
        <source>The name of the new category is invalid.</source>
        <translation>Le nom de la nouvelle catégorie n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The name of the new category is invalid (zero length).</source>
        <translation>Le nom de la nouvelle catégorie n&apos;est pas valide (vide).</translation>
    </message>
    <message>
        <source>Enter a valid name for the new category.</source>
        <translation>Saisissez un nom valide pour la nouvelle catégorie.</translation>
    </message>
    <message>
        <source>The name of the new category is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Le nom de la nouvelle catégorie n&apos;est pas valide (trop long). 
Longueur actuelle = %u
Longueur maximale = %u</translation>
    </message>
    <message>
        <source>The name of the new category is invalid (already in use)</source>
        <translation>Le nom de la nouvelle catégorie n&apos;est pas valide (déjà utilisé)</translation>
    </message>
    <message>
        <source>Use a different name for the new category</source>
        <translation>Utilisez un autre nom pour la nouvelle catégorie</translation>
    </message>
    <message>
        <source>The name of the category is invalid.</source>
        <translation>Le nom de la catégorie n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The name of the category is invalid (zero length).</source>
        <translation>Le nom de la catégorie n&apos;est pas valide (vide).</translation>
    </message>
    <message>
        <source>Enter a valid name for the category.</source>
        <translation>Saisissez un nom valide pour la catégorie.</translation>
    </message>
    <message>
        <source>The name of the category is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Le nom de la catégorie n&apos;est pas valide (trop long). 
Longueur actuelle = %u
Longueur maximale = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the category</source>
        <translation>Saisissez un nom plus court pour la catégorie</translation>
    </message>
    <message>
        <source>The new name of the category is invalid (already in use)</source>
        <translation>Le nouveau nom de la catégorie n&apos;est pas valide (déjà utilisé)</translation>
    </message>
    <message>
        <source>Use a different new name for the category</source>
        <translation>Utilisez un autre nouveau nom pour la catégorie</translation>
    </message>
    <message>
        <source>Remove the &apos;%&apos;, &apos;|&apos; &amp; &apos;@&apos; characters.</source>
        <translation>Supprimez les caractères &apos;%&apos;, &apos;|&apos; et &apos;@&apos;.</translation>
    </message>
</context>
<context>
    <name>OpeningBalanceDialog</name>
    <message>
        <source>Opening balance</source>
        <translation>Solde initial</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PredactionsDialog</name>
    <message>
        <source>Remove the transaction first.</source>
        <translation>Supprimez d&apos;abord l&apos;opération.</translation>
    </message>
    <message>
        <source>This predaction has been matched with a transaction and cannot be updated.</source>
        <translation>Cette prévision est rapprochée d&apos;une opération et ne peut pas être modifiée.</translation>
    </message>
    <message>
        <source>This predaction has been matched with a transaction and cannot be removed.</source>
        <translation>Cette prévision est rapprochée d&apos;une opération et ne peut pas être supprimée.</translation>
    </message>
    <message>
        <source>This will remove all unmatched predactions!
Do you want to continue?</source>
        <translation>Toutes les prévisions non rapprochées vont être supprimées&#xa0;!
Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Tout effa&amp;cer</translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation>Par &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>Par s&amp;emaine</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>Par m&amp;ois</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Number of predactions</source>
        <translation>Nombre de prévisions</translation>
    </message>
    <message>
        <source>Total budget</source>
        <translation>Budget total</translation>
    </message>
    <message>
        <source>Predicted Transactions</source>
        <translation>Opérations prévues</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Importer un relevé</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Create a new account
New</source>
        <translation>Créer un nouveau compte
Nouveau</translation>
    </message>
    <message>
        <source>Open an existing account
Open</source>
        <translation>Ouvrir un compte existant
Ouvrir</translation>
    </message>
    <message>
        <source>Close the active account
Close</source>
        <translation>Fermer le compte actif
Fermer</translation>
    </message>
    <message>
        <source>Save the active account
Save</source>
        <translation>Enregistrer le compte actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save the active account with a new name
Save As</source>
        <translation>Enregistrer le compte actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Import a bank statement into the active account
Import Statement</source>
        <translation>Importer un relevé bancaire dans le compte actif
Importer un relevé</translation>
    </message>
    <message>
        <source>Open an earlier version of the active account as a new account
Restore Earlier Version</source>
        <translation>Ouvrir une version antérieure du compte actif comme nouveau compte
Restaurer une version antérieure</translation>
    </message>
    <message>
        <source>Choose how many earlier versions of the accounts are kept
Backups</source>
        <translation>Choisir combien de versions antérieures des comptes sont conservées
Sauvegardes</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annuler la dernière action
Annuler</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rétablir l&apos;action annulée
Rétablir</translation>
    </message>
    <message>
        <source>Export the current year&apos;s transactions and predactions as a CSV file
Export Year as CSV</source>
        <translation>Exporter les opérations et les prévisions de l&apos;année en cours dans un fichier CSV
Exporter l&apos;année en CSV</translation>
    </message>
    <message>
        <source>Save the current year&apos;s cash flow chart as a picture (PNG, SVG or PDF)
Export Chart</source>
        <translation>Enregistrer le graphique de trésorerie de l&apos;année en cours comme image (PNG, SVG ou PDF)
Exporter le graphique</translation>
    </message>
    <message>
        <source>Print the cash flow chart and the key figures
Print</source>
        <translation>Imprimer le graphique de trésorerie et les chiffres clés
Imprimer</translation>
    </message>
    <message>
        <source>Show the page that Print would print
Print Preview</source>
        <translation>Afficher la page telle qu&apos;elle sera imprimée
Aperçu avant impression</translation>
    </message>
    <message>
        <source>Show how the current year stands against its budget, category by category
Budget Report</source>
        <translation>Montrer où en est l&apos;année en cours par rapport à son budget, catégorie par catégorie
Rapport budgétaire</translation>
    </message>
    <message>
        <source>Objects
Objects</source>
        <translation>Objets
Objets</translation>
    </message>
    <message>
        <source>Functional Areas
Functional Areas</source>
        <translation>Domaines fonctionnels
Domaines fonctionnels</translation>
    </message>
    <message>
        <source>Settings
Settings</source>
        <translation>Paramètres
Paramètres</translation>
    </message>
    <message>
        <source>Categories
Categories</source>
        <translation>Catégories
Catégories</translation>
    </message>
    <message>
        <source>Transactions
Transactions</source>
        <translation>Opérations
Opérations</translation>
    </message>
    <message>
        <source>Opening balance...
Opening balance...</source>
        <translation>Solde initial...
Solde initial...</translation>
    </message>
    <message>
        <source>Solver
Solver</source>
        <translation>Solveur
Solveur</translation>
    </message>
    <message>
        <source>Budget Wizard
Budget Wizard</source>
        <translation>Assistant budget
Assistant budget</translation>
    </message>
    <message>
        <source>Change Year
Change Year</source>
        <translation>Changer d&apos;année
Changer d&apos;année</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save accounts
Exit</source>
        <translation>Quitter l&apos;application&#xa0;; propose d&apos;enregistrer les comptes
Quitter</translation>
    </message>
    <message>
        <source>Opens Help
Help Topics</source>
        <translation>Ouvre l&apos;aide
Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Pour obtenir de l&apos;aide, appuyez sur F1</translation>
    </message>
</context>
<context>
    <name>ReadFailure</name>
    <message>
        <source>Error reading from .PXF file. Possible causes:
- out of memory
- not a valid .PXF file</source>
        <translation>Erreur de lecture du fichier .PXF. Causes possibles&#xa0;:
- mémoire insuffisante
- fichier .PXF non valide</translation>
    </message>
    <message>
        <source>- close some applications
- try a new file</source>
        <translation>- fermez quelques applications
- essayez un autre fichier</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>read error</source>
        <translation>erreur de lecture</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>le fichier se termine trop tôt</translation>
    </message>
    <message>
        <source>it does not begin as an account file does</source>
        <translation>il ne commence pas comme un fichier de compte</translation>
    </message>
    <message>
        <source>its display settings are damaged</source>
        <translation>ses paramètres d&apos;affichage sont endommagés</translation>
    </message>
    <message>
        <source>its current year is not one of its years</source>
        <translation>son année en cours n&apos;est pas l&apos;une de ses années</translation>
    </message>
    <message>
        <source>its number of years is out of range</source>
        <translation>son nombre d&apos;années est hors limites</translation>
    </message>
    <message>
        <source>the columns of a table are damaged</source>
        <translation>les colonnes d&apos;une table sont endommagées</translation>
    </message>
    <message>
        <source>a table has other columns than it must</source>
        <translation>une table a d&apos;autres colonnes que celles prévues</translation>
    </message>
    <message>
        <source>a table&apos;s rows per block is not its own</source>
        <translation>le nombre de lignes par bloc d&apos;une table n&apos;est pas le sien</translation>
    </message>
    <message>
        <source>a table&apos;s capacity does not fit 32 bits</source>
        <translation>la capacité d&apos;une table ne tient pas sur 32 bits</translation>
    </message>
    <message>
        <source>a table holds more rows than its capacity</source>
        <translation>une table contient plus de lignes que sa capacité</translation>
    </message>
    <message>
        <source>a table&apos;s next row id is the no-row marker</source>
        <translation>le numéro de ligne suivant d&apos;une table est le marqueur d&apos;absence de ligne</translation>
    </message>
    <message>
        <source>a table&apos;s row ids do not rise below its next row id</source>
        <translation>les numéros de ligne d&apos;une table ne croissent pas jusqu&apos;à son numéro suivant</translation>
    </message>
    <message>
        <source>there are bytes after its last year</source>
        <translation>il y a des octets après sa dernière année</translation>
    </message>
</context>
<context>
    <name>RecurringPredactionsDialog</name>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>semaines</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>The predaction interval is invalid.</source>
        <translation>L&apos;intervalle des prévisions n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Enter a number between 1 and %1.</source>
        <translation>Saisissez un nombre entre 1 et %1.</translation>
    </message>
    <message>
        <source>The last predaction occurs before the first predaction.</source>
        <translation>La dernière prévision précède la première.</translation>
    </message>
    <message>
        <source>Change the first or the last predaction date.</source>
        <translation>Modifiez la date de la première ou de la dernière prévision.</translation>
    </message>
    <message>
        <source>Predaction interval:</source>
        <translation>Intervalle&#xa0;:</translation>
    </message>
    <message>
        <source>First predaction:</source>
        <translation>Première prévision&#xa0;:</translation>
    </message>
    <message>
        <source>Last predaction:</source>
        <translation>Dernière prévision&#xa0;:</translation>
    </message>
    <message>
        <source>Predaction amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Recurring Predactions</source>
        <translation>Prévisions périodiques</translation>
    </message>
</context>
<context>
    <name>RestoreVersionDialog</name>
    <message>
        <source>damaged: %1</source>
        <translation>endommagée&#xa0;: %1</translation>
    </message>
    <message>
        <source>No earlier versions of %1 are kept.</source>
        <translation>Aucune version antérieure de %1 n&apos;est conservée.</translation>
    </message>
    <message>
        <source>Versions of %1, newest first</source>
        <translation>Versions de %1, la plus récente en premier</translation>
    </message>
    <message>
        <source>Versions of</source>
        <translation>Versions de</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Enregistrée</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Restore Earlier Version</source>
        <translation>Restaurer une version antérieure</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>The file %1 is read-only.
It was not changed.</source>
        <translation>Le fichier %1 est en lecture seule.
Il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>- save it under another name with &quot;File|Save As...&quot;
- make the file writable and save again</source>
        <translation>- enregistrez-le sous un autre nom avec «&#xa0;Fichier|Enregistrer sous...&#xa0;»
- rendez le fichier modifiable et enregistrez à nouveau</translation>
    </message>
    <message>
        <source>You may not change the file %1.
It was not changed.</source>
        <translation>Vous n&apos;avez pas le droit de modifier le fichier %1.
Il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>- save it under another name with &quot;File|Save As...&quot;
- ask the owner of the file for the right to change it</source>
        <translation>- enregistrez-le sous un autre nom avec «&#xa0;Fichier|Enregistrer sous...&#xa0;»
- demandez au propriétaire du fichier le droit de le modifier</translation>
    </message>
    <message>
        <source>The folder of the file %1 does not accept new files, so the file cannot be saved there safely.
It was not changed.</source>
        <translation>Le dossier du fichier %1 n&apos;accepte pas de nouveaux fichiers&#xa0;: le fichier ne peut pas y être enregistré sans risque.
Il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>- save it under another name with &quot;File|Save As...&quot; in a folder of your own
- ask the owner of the folder for the right to create files in it</source>
        <translation>- enregistrez-le sous un autre nom avec «&#xa0;Fichier|Enregistrer sous...&#xa0;» dans un dossier à vous
- demandez au propriétaire du dossier le droit d&apos;y créer des fichiers</translation>
    </message>
    <message>
        <source>There is not enough room on the disk to save the file %1.
It was not changed.</source>
        <translation>Il n&apos;y a pas assez de place sur le disque pour enregistrer le fichier %1.
Il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>- delete some files on your disk
- save it under another name with &quot;File|Save As...&quot; on another disk</source>
        <translation>- supprimez des fichiers sur votre disque
- enregistrez-le sous un autre nom avec «&#xa0;Fichier|Enregistrer sous...&#xa0;» sur un autre disque</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.
Its folder does not exist, a folder has its name, or the name is not valid.</source>
        <translation>Le fichier %1 ne peut pas être écrit.
Son dossier n&apos;existe pas, un dossier porte son nom, ou le nom n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>- save it under another name with &quot;File|Save As...&quot;</source>
        <translation>- enregistrez-le sous un autre nom avec «&#xa0;Fichier|Enregistrer sous...&#xa0;»</translation>
    </message>
    <message>
        <source>Saving the file %1 failed part way, and it could not be put back as it was.
Its previous version is kept in %2.</source>
        <translation>L&apos;enregistrement du fichier %1 a échoué en cours de route, et il n&apos;a pas pu être remis dans son état antérieur.
Sa version précédente est conservée dans %2.</translation>
    </message>
    <message>
        <source>- save the account under another name with &quot;File|Save As...&quot;
- copy %2 over %1 if you need the previous version</source>
        <translation>- enregistrez le compte sous un autre nom avec «&#xa0;Fichier|Enregistrer sous...&#xa0;»
- copiez %2 sur %1 si vous avez besoin de la version précédente</translation>
    </message>
    <message>
        <source>The file %1 was saved, but its previous version could not be kept in %2.</source>
        <translation>Le fichier %1 a été enregistré, mais sa version précédente n&apos;a pas pu être conservée dans %2.</translation>
    </message>
    <message>
        <source>- make room on the disk so that the next save keeps the previous version</source>
        <translation>- libérez de la place sur le disque pour que le prochain enregistrement conserve la version précédente</translation>
    </message>
    <message>
        <source>Error writing to .PXF file. Possible causes:
- the disk is full
- there is no floppy in the drive
- the filename is invalid
- ...</source>
        <translation>Erreur d&apos;écriture du fichier .PXF. Causes possibles&#xa0;:
- le disque est plein
- il n&apos;y a pas de disquette dans le lecteur
- le nom de fichier n&apos;est pas valide
- ...</translation>
    </message>
    <message>
        <source>- delete some files on your disk
- insert a floppy
- try a new file</source>
        <translation>- supprimez des fichiers sur votre disque
- insérez une disquette
- essayez un nouveau fichier</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>The character %1 can not be used.</source>
        <translation>Le caractère %1 ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>The number of decimals is invalid.</source>
        <translation>Le nombre de décimales n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Enter a number between 0 and 4.</source>
        <translation>Saisissez un nombre entre 0 et 4.</translation>
    </message>
    <message>
        <source>The currency symbol is invalid.</source>
        <translation>Le symbole monétaire n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Enter 1, 2 or 3 characters.</source>
        <translation>Saisissez 1, 2 ou 3 caractères.</translation>
    </message>
    <message>
        <source>The &apos; &apos;, &apos;,&apos; and &apos;.&apos; characters can not be used.</source>
        <translation>Les caractères &apos; &apos;, &apos;,&apos; et &apos;.&apos; ne peuvent pas être utilisés.</translation>
    </message>
    <message>
        <source>The date separator is invalid.</source>
        <translation>Le séparateur de date n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Enter 1 character that is not a number.</source>
        <translation>Saisissez 1 caractère qui n&apos;est pas un chiffre.</translation>
    </message>
    <message>
        <source>Numbers and the &apos;+&apos; and &apos;-&apos; characters can not be used.</source>
        <translation>Les chiffres et les caractères &apos;+&apos; et &apos;-&apos; ne peuvent pas être utilisés.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>mm/dd</source>
        <translation>mm/jj</translation>
    </message>
    <message>
        <source>dd/mm</source>
        <translation>jj/mm</translation>
    </message>
    <message>
        <source>Separator character:</source>
        <translation>Séparateur&#xa0;:</translation>
    </message>
    <message>
        <source>Currency Format</source>
        <translation>Format monétaire</translation>
    </message>
    <message>
        <source>Currency symbol:</source>
        <translation>Symbole monétaire&#xa0;:</translation>
    </message>
    <message>
        <source>before</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>after</source>
        <translation>après</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>Decimal symbol:</source>
        <translation>Symbole décimal&#xa0;:</translation>
    </message>
    <message>
        <source># of decimals:</source>
        <translation>Nombre de décimales&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Date &amp; Currency Settings</source>
        <translation>Paramètres de date et de devise</translation>
    </message>
</context>
<context>
    <name>SolverDialog</name>
    <message>
        <source>%1 balance</source>
        <translation>Solde
%1</translation>
    </message>
    <message>
        <source>%1 budget</source>
        <translation>Budget
%1</translation>
    </message>
    <message>
        <source>%1 surplus</source>
        <translation>Excédent
%1</translation>
    </message>
    <message>
        <source>%1 deficit</source>
        <translation>Déficit
%1</translation>
    </message>
    <message>
        <source>Transfer %1 surplus</source>
        <translation>Virer l&apos;excédent %1</translation>
    </message>
    <message>
        <source>Enter an amount &lt;= %1</source>
        <translation>Saisissez un montant &lt;= %1</translation>
    </message>
    <message>
        <source>Categories in surplus</source>
        <translation>Excédents</translation>
    </message>
    <message>
        <source>xx/yy balance</source>
        <translation>Solde
xx/yy</translation>
    </message>
    <message>
        <source>xx/yy budget</source>
        <translation>Budget
xx/yy</translation>
    </message>
    <message>
        <source>xx/yy surplus</source>
        <translation>Excédent
xx/yy</translation>
    </message>
    <message>
        <source>XX/YY budget</source>
        <translation>Budget
XX/YY</translation>
    </message>
    <message>
        <source>XX/YY surplus</source>
        <translation>Excédent
XX/YY</translation>
    </message>
    <message>
        <source>Solve for xx/yy</source>
        <translation>Résoudre au xx/yy</translation>
    </message>
    <message>
        <source>Solve for XX/YY</source>
        <translation>Résoudre au XX/YY</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virer</translation>
    </message>
    <message>
        <source>Categories in deficit</source>
        <translation>Déficits</translation>
    </message>
    <message>
        <source>xx/yy deficit</source>
        <translation>Déficit
xx/yy</translation>
    </message>
    <message>
        <source>XX/YY deficit</source>
        <translation>Déficit
XX/YY</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Solveur</translation>
    </message>
</context>
<context>
    <name>StatementError</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>- check that the file is a bank statement</source>
        <translation>- vérifiez que le fichier est un relevé bancaire</translation>
    </message>
    <message>
        <source>The statement %1 cannot be opened.</source>
        <translation>Le relevé %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>- check that the file exists
- check that you may read it</source>
        <translation>- vérifiez que le fichier existe
- vérifiez que vous pouvez le lire</translation>
    </message>
    <message>
        <source>The statement %1 cannot be read.
It is %2, not a file.</source>
        <translation>Le relevé %1 ne peut pas être lu.
C&apos;est %2, pas un fichier.</translation>
    </message>
    <message>
        <source>- choose the file the bank wrote</source>
        <translation>- choisissez le fichier écrit par la banque</translation>
    </message>
    <message>
        <source>The statement %1 cannot be read.
It is larger than %2, which no bank statement is.</source>
        <translation>Le relevé %1 ne peut pas être lu.
Il dépasse %2, ce qu&apos;aucun relevé bancaire ne fait.</translation>
    </message>
    <message>
        <source>- export a shorter period from the bank</source>
        <translation>- exportez une période plus courte depuis la banque</translation>
    </message>
    <message>
        <source>The statement %1 cannot be read.
Line %2: </source>
        <translation>Le relevé %1 ne peut pas être lu.
Ligne %2&#xa0;: </translation>
    </message>
    <message>
        <source>- check that the file is complete</source>
        <translation>- vérifiez que le fichier est complet</translation>
    </message>
    <message>
        <source>this is not a bank statement in the %1 format.</source>
        <translation>ce n&apos;est pas un relevé bancaire au format %1.</translation>
    </message>
    <message>
        <source>- choose the format the bank wrote it in</source>
        <translation>- choisissez le format dans lequel la banque l&apos;a écrit</translation>
    </message>
    <message>
        <source>the QIF type &quot;%1&quot; holds no bank transactions.</source>
        <translation>le type QIF «&#xa0;%1&#xa0;» ne contient pas d&apos;opérations bancaires.</translation>
    </message>
    <message>
        <source>- export the transactions of a bank, cash or credit card account</source>
        <translation>- exportez les opérations d&apos;un compte bancaire, de caisse ou de carte de crédit</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is missing.</source>
        <translation>la colonne «&#xa0;%1&#xa0;» est absente.</translation>
    </message>
    <message>
        <source>- check the columns chosen for the statement</source>
        <translation>- vérifiez les colonnes choisies pour le relevé</translation>
    </message>
    <message>
        <source>- check the field separator</source>
        <translation>- vérifiez le séparateur de champs</translation>
    </message>
    <message>
        <source>the element &lt;%1&gt; is missing.</source>
        <translation>l&apos;élément &lt;%1&gt; est absent.</translation>
    </message>
    <message>
        <source>the transaction has no date.</source>
        <translation>l&apos;opération n&apos;a pas de date.</translation>
    </message>
    <message>
        <source>the transaction has no amount.</source>
        <translation>l&apos;opération n&apos;a pas de montant.</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a date.</source>
        <translation>la date «&#xa0;%1&#xa0;» n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>- check the date order chosen for the statement</source>
        <translation>- vérifiez l&apos;ordre des dates choisi pour le relevé</translation>
    </message>
    <message>
        <source>the amount &quot;%1&quot; is not a number.</source>
        <translation>le montant «&#xa0;%1&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>- check the decimal symbol chosen for the statement</source>
        <translation>- vérifiez le symbole décimal choisi pour le relevé</translation>
    </message>
    <message>
        <source>the amount &quot;%1&quot; is too big.</source>
        <translation>le montant «&#xa0;%1&#xa0;» est trop grand.</translation>
    </message>
    <message>
        <source>- amounts above 999999999 cannot be imported</source>
        <translation>- les montants supérieurs à 999999999 ne peuvent pas être importés</translation>
    </message>
    <message>
        <source>the direction &quot;%1&quot; is neither money in nor money out.</source>
        <translation>le sens «&#xa0;%1&#xa0;» n&apos;est ni une entrée ni une sortie d&apos;argent.</translation>
    </message>
    <message>
        <source>- check the direction column chosen for the statement</source>
        <translation>- vérifiez la colonne de sens choisie pour le relevé</translation>
    </message>
    <message>
        <source>the elements are nested more than %1 deep.</source>
        <translation>les éléments sont imbriqués sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <source>- a bank&apos;s statement never nests its elements so deep</source>
        <translation>- un relevé bancaire n&apos;imbrique jamais ses éléments aussi profondément</translation>
    </message>
    <message>
        <source>the element &lt;%1&gt; holds more text than a statement can.</source>
        <translation>l&apos;élément &lt;%1&gt; contient plus de texte qu&apos;un relevé ne peut en contenir.</translation>
    </message>
    <message>
        <source>- a bank&apos;s statement never holds so long a value</source>
        <translation>- un relevé bancaire ne contient jamais une valeur aussi longue</translation>
    </message>
    <message>
        <source>the statement holds more than %1 transactions.</source>
        <translation>le relevé contient plus de %1 opérations.</translation>
    </message>
    <message>
        <source>- import it in parts</source>
        <translation>- importez-le en plusieurs parties</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>autre chose</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
</context>
<context>
    <name>TransactionsDialog</name>
    <message>
        <source>Transaction Balance</source>
        <translation>Solde des opérations</translation>
    </message>
    <message>
        <source>Predaction Balance</source>
        <translation>Solde des prévisions</translation>
    </message>
    <message>
        <source>It is probably not a good idea to add a transaction to a past year (%1).
Do you want to cancel this operation?</source>
        <translation>Ce n&apos;est probablement pas une bonne idée d&apos;ajouter une opération à une année passée (%1).
Voulez-vous annuler cette opération&#xa0;?</translation>
    </message>
    <message>
        <source>No category selected.</source>
        <translation>Aucune catégorie sélectionnée.</translation>
    </message>
    <message>
        <source>Choose a category, or press &quot;Categories&quot; to define one.</source>
        <translation>Choisissez une catégorie, ou cliquez sur «&#xa0;Catégories&#xa0;» pour en définir une.</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 sur %2 affichées</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Rapprocher</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Catégories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Balance Date</source>
        <translation>Date du solde</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Import Statement</source>
        <translation>Importer un relevé</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Functional Areas</source>
        <translation>Domaines fonctionnels</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Solde initial</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Solveur</translation>
    </message>
    <message>
        <source>Budget Wizard</source>
        <translation>Assistant budget</translation>
    </message>
    <message>
        <source>Change Year</source>
        <translation>Changer d&apos;année</translation>
    </message>
    <message>
        <source>Budget Report</source>
        <translation>Rapport budgétaire</translation>
    </message>
</context>
</TS>
