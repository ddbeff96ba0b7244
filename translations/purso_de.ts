<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Tolva Account Organizer plans and follows a household budget. Describe where money comes from and where it goes with objects, functional areas and categories, enter what really happened, and the cash flow chart shows the predicted and the actual balance of the year day by day.</source>
        <translation>Tolva Account Organizer plant und verfolgt ein Haushaltsbudget. Beschreiben Sie mit Objekten, Funktionsbereichen und Kategorien, woher das Geld kommt und wohin es geht, erfassen Sie, was tatsächlich geschehen ist, und das Cashflow-Diagramm zeigt den geplanten und den tatsächlichen Saldo des Jahres Tag für Tag.</translation>
    </message>
    <message>
        <source>Each account is one file with the extension .pxf. It holds the years 1998 to 2099, each with its own opening balance, categories, predicted transactions and transactions, and the account&apos;s settings for dates and amounts. Nothing of an account is kept anywhere else.</source>
        <translation>Jedes Konto ist eine Datei mit der Endung .pxf. Sie enthält die Jahre 1998 bis 2099, jedes mit eigenem Anfangssaldo, eigenen Kategorien, geplanten Buchungen und Buchungen, dazu die Einstellungen des Kontos für Datum und Beträge. Nichts von einem Konto wird anderswo gespeichert.</translation>
    </message>
    <message>
        <source>Press F1 in the account window, or choose Help Index from the Help menu, to open the help pages. The Budget Wizard in the Categories menu leads a new user through setting up a year step by step.</source>
        <translation>Drücken Sie im Kontofenster F1 oder wählen Sie im Menü Hilfe den Eintrag Hilfe-Index, um die Hilfeseiten zu öffnen. Der Budget-Assistent im Menü Kategorien führt neue Benutzer Schritt für Schritt durch die Einrichtung eines Jahres.</translation>
    </message>
    <message>
        <source>Tolva Account Organizer v1.1</source>
        <translation>Tolva Account Organizer v1.1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>About Tolva Account Organizer</source>
        <translation>Info über Tolva Account Organizer</translation>
    </message>
</context>
<context>
    <name>AccountView</name>
    <message>
        <source>%1 Budget Balance</source>
        <translation>Budgetsaldo %1</translation>
    </message>
    <message>
        <source>Xaction Balance Date</source>
        <translation>Buchungsstichtag</translation>
    </message>
    <message>
        <source>Transaction Balance</source>
        <translation>Saldo Buchungen</translation>
    </message>
    <message>
        <source>Predaction Balance</source>
        <translation>Saldo Planbuchungen</translation>
    </message>
    <message>
        <source>Outst. expenses</source>
        <translation>Offene Ausgaben</translation>
    </message>
    <message>
        <source>Outst. incomes</source>
        <translation>Offene Einnahmen</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Ist</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Ausgleich</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>From month %1</source>
        <translation>Ab Monat %1</translation>
    </message>
    <message>
        <source>To month %1</source>
        <translation>Bis Monat %1</translation>
    </message>
    <message>
        <source>Shows or hides the bars of the predicted balance</source>
        <translation>Zeigt oder verbirgt die Balken des geplanten Saldos</translation>
    </message>
    <message>
        <source>Shows or hides the bars of the actual balance</source>
        <translation>Zeigt oder verbirgt die Balken des tatsächlichen Saldos</translation>
    </message>
    <message>
        <source>Outstanding expenses</source>
        <translation>Offene Ausgaben</translation>
    </message>
    <message>
        <source>Outstanding incomes</source>
        <translation>Offene Einnahmen</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>The number of saves is invalid</source>
        <translation>Die Anzahl der Speicherungen ist ungültig</translation>
    </message>
    <message>
        <source>Enter a whole number from 1 to 999.</source>
        <translation>Geben Sie eine ganze Zahl von 1 bis 999 ein.</translation>
    </message>
    <message>
        <source>The number of days is invalid</source>
        <translation>Die Anzahl der Tage ist ungültig</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 999.</source>
        <translation>Geben Sie eine ganze Zahl von 0 bis 999 ein.</translation>
    </message>
    <message>
        <source>Besides &lt;name&gt;.pxf.bak, the program keeps earlier versions of every account it saves.</source>
        <translation>Neben &lt;Name&gt;.pxf.bak bewahrt das Programm frühere Versionen jedes gespeicherten Kontos auf.</translation>
    </message>
    <message>
        <source>Versions of the last saves:</source>
        <translation>Versionen der letzten Speicherungen:</translation>
    </message>
    <message>
        <source>Last version of each of the last days:</source>
        <translation>Eine Version je Tag, Anzahl Tage:</translation>
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
        <source>Backups</source>
        <translation>Sicherungskopien</translation>
    </message>
</context>
<context>
    <name>BudgetReportDialog</name>
    <message>
        <source>%1
share</source>
        <translation>%1
Anteil</translation>
    </message>
    <message>
        <source>%1
actual</source>
        <translation>%1
Ist</translation>
    </message>
    <message>
        <source>%1
surplus</source>
        <translation>%1
Überschuss</translation>
    </message>
    <message>
        <source>%1 %2 budget report</source>
        <translation>%1 %2 Budgetbericht</translation>
    </message>
    <message>
        <source>Budget of %1 at %2</source>
        <translation>Budget %1 zum %2</translation>
    </message>
    <message>
        <source>Predicted balance at %1</source>
        <translation>Geplanter Saldo am %1</translation>
    </message>
    <message>
        <source>Actual balance at %1</source>
        <translation>Ist-Saldo am %1</translation>
    </message>
    <message>
        <source>not yet known</source>
        <translation>noch unbekannt</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Summe %1</translation>
    </message>
    <message>
        <source>Export Budget Report as HTML</source>
        <translation>Budgetbericht als HTML exportieren</translation>
    </message>
    <message>
        <source>HTML Files (*.html *.htm)</source>
        <translation>HTML-Dateien (*.html *.htm)</translation>
    </message>
    <message>
        <source>Export Budget Report as CSV</source>
        <translation>Budgetbericht als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Budget of YYYY at xx/yy</source>
        <translation>Budget JJJJ zum xx/yy</translation>
    </message>
    <message>
        <source>
Category</source>
        <translation>
Kategorie</translation>
    </message>
    <message>
        <source>
Type</source>
        <translation>
Typ</translation>
    </message>
    <message>
        <source>Annual
budget</source>
        <translation>Jahres-
budget</translation>
    </message>
    <message>
        <source>xx/yy
share</source>
        <translation>xx/yy
Anteil</translation>
    </message>
    <message>
        <source>xx/yy
actual</source>
        <translation>xx/yy
Ist</translation>
    </message>
    <message>
        <source>xx/yy
surplus</source>
        <translation>xx/yy
Überschuss</translation>
    </message>
    <message>
        <source>XX/YY
surplus</source>
        <translation>XX/YY
Überschuss</translation>
    </message>
    <message>
        <source>Matched
preds.</source>
        <translation>Zugeord.
Planb.</translation>
    </message>
    <message>
        <source>Outst.
preds.</source>
        <translation>Offene
Planb.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export &amp;HTML...</source>
        <translation>H&amp;TML-Export...</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>C&amp;SV-Export...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Budget Report</source>
        <translation>Budgetbericht</translation>
    </message>
</context>
<context>
    <name>BudgetReportPage</name>
    <message>
        <source>en</source>
        <translation>de</translation>
    </message>
    <message>
        <source>%1, balance date %2</source>
        <translation>%1, Stichtag %2</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Share to %1</source>
        <translation>Anteil bis %1</translation>
    </message>
    <message>
        <source>Actual to %1</source>
        <translation>Ist bis %1</translation>
    </message>
    <message>
        <source>Surplus at %1</source>
        <translation>Überschuss am %1</translation>
    </message>
    <message>
        <source>Matched</source>
        <translation>Zugeordnet</translation>
    </message>
    <message>
        <source>Outstanding</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Summe %1</translation>
    </message>
    <message>
        <source>Balances</source>
        <translation>Salden</translation>
    </message>
    <message>
        <source>At %1</source>
        <translation>Am %1</translation>
    </message>
    <message>
        <source>Predicted balance</source>
        <translation>Geplanter Saldo</translation>
    </message>
    <message>
        <source>Actual balance</source>
        <translation>Ist-Saldo</translation>
    </message>
    <message>
        <source>Budget Report</source>
        <translation>Budgetbericht</translation>
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
        <translation>Willkommen beim Budget-Assistenten von Tolva Account Organizer!<byte value="xd"/>
<byte value="xd"/>
Ein Budget aufzustellen ist der erste Schritt, um Ihre finanzielle Lage in den Griff zu bekommen.<byte value="xd"/>
Mit einem Budget in Tolva Account Organizer erkennen Sie Engpässe in Ihren Finanzen, BEVOR sie eintreten, und können Ihr Budget rechtzeitig so anpassen, dass sie gar nicht erst entstehen.<byte value="xd"/>
<byte value="xd"/>
Klicken Sie auf „Weiter“, um fortzufahren.</translation>
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
        <translation>Zuerst legen Sie einige Objekte an.<byte value="xd"/>
Objekte in Tolva Account Organizer sind alle Dinge und Personen, die:<byte value="xd"/>
- Einnahmen erzeugen ODER<byte value="xd"/>
- Ausgaben verursachen<byte value="xd"/>
<byte value="xd"/>
Beispiele sind „Mustang“ (das Auto), „Hans“ (der Ehemann), „Maria“ (die Ehefrau), „Villa“ (das Haus), ...<byte value="xd"/>
<byte value="xd"/>
Sie müssen mindestens einige Objekte anlegen, bevor Sie fortfahren können.</translation>
    </message>
    <message>
        <source>Now you will have to define some Functional Areas.<byte value="xd"/>
Tolva Account Organizer Functional Areas define the way your objects generate income or expenses.<byte value="xd"/>
<byte value="xd"/>
Examples are &quot;Insurance&quot;, &quot;Purchase&quot;, &quot;Food&quot;, &quot;Day Job&quot;, &quot;Maintenance&quot;, ...<byte value="xd"/>
<byte value="xd"/>
You must create at least a few functional areas before you can continue.</source>
        <translation>Nun legen Sie einige Funktionsbereiche an.<byte value="xd"/>
Funktionsbereiche in Tolva Account Organizer beschreiben, auf welche Weise Ihre Objekte Einnahmen oder Ausgaben erzeugen.<byte value="xd"/>
<byte value="xd"/>
Beispiele sind „Versicherung“, „Anschaffung“, „Lebensmittel“, „Hauptberuf“, „Wartung“, ...<byte value="xd"/>
<byte value="xd"/>
Sie müssen mindestens einige Funktionsbereiche anlegen, bevor Sie fortfahren können.</translation>
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
        <translation>Jetzt ist es Zeit, einige Kategorien anzulegen.<byte value="xd"/>
Kategorien in Tolva Account Organizer verbinden Objekte und Funktionsbereiche zu Budgetkategorien.<byte value="xd"/>
<byte value="xd"/>
Beispiele:<byte value="xd"/>
- „Autoversicherung“ (verbindet „Mustang“ und „Versicherung“)<byte value="xd"/>
- „Bankjob“ (verbindet „Maria“ und „Hauptberuf“)<byte value="xd"/>
<byte value="xd"/>
Es gibt 4 Arten von Kategorien:<byte value="xd"/>
- Fix Aus<byte value="xd"/>
- Fix Ein<byte value="xd"/>
- Var Aus<byte value="xd"/>
- Var Ein<byte value="xd"/>
„Fix“-Kategorien haben eine feste Anzahl geplanter Buchungen („Planbuchungen“), die Sie festlegen müssen.<byte value="xd"/>
„Var“-Kategorien haben eine unbekannte Anzahl von Planbuchungen. Für diese Kategorien legen Sie ein Jahresbudget fest.<byte value="xd"/>
<byte value="xd"/>
„Ein“-Kategorien sind Einnahmekategorien<byte value="xd"/>
„Aus“-Kategorien sind Ausgabekategorien<byte value="xd"/>
<byte value="xd"/>
Sie müssen mindestens einige Kategorien anlegen, bevor Sie fortfahren können.</translation>
    </message>
    <message>
        <source>The opening balance is the amount of money in your account on Jan 1.</source>
        <translation>Der Anfangssaldo ist der Geldbetrag auf Ihrem Konto am 1. Januar.</translation>
    </message>
    <message>
        <source>Congratulations!<byte value="xd"/>
You have successfully created a budget.<byte value="xd"/>
Hit &quot;Finish&quot; to display the Cash Flow Chart and analyse your budget.</source>
        <translation>Herzlichen Glückwunsch!<byte value="xd"/>
Sie haben erfolgreich ein Budget erstellt.<byte value="xd"/>
Klicken Sie auf „Fertig“, um das Cashflow-Diagramm anzuzeigen und Ihr Budget zu analysieren.</translation>
    </message>
    <message>
        <source>[Step 1/6] Introduction</source>
        <translation>[Schritt 1/6] Einführung</translation>
    </message>
    <message>
        <source>[Step 2/6] Objects</source>
        <translation>[Schritt 2/6] Objekte</translation>
    </message>
    <message>
        <source>Hit &quot;Go&quot; to add some objects now</source>
        <translation>Mit „Los“ jetzt Objekte anlegen</translation>
    </message>
    <message>
        <source>[Step 3/6] Functional Areas</source>
        <translation>[Schritt 3/6] Funktionsbereiche</translation>
    </message>
    <message>
        <source>Hit &quot;Go&quot; to add some functional areas now</source>
        <translation>Mit „Los“ jetzt Funktionsbereiche anlegen</translation>
    </message>
    <message>
        <source>[Step 4/6] Categories</source>
        <translation>[Schritt 4/6] Kategorien</translation>
    </message>
    <message>
        <source>Hit &quot;Go&quot; to add some categories now</source>
        <translation>Mit „Los“ jetzt Kategorien anlegen</translation>
    </message>
    <message>
        <source>[Step 5/6] Opening Balance</source>
        <translation>[Schritt 5/6] Anfangssaldo</translation>
    </message>
    <message>
        <source>Hit &quot;Go&quot; to set the opening balance now</source>
        <translation>Mit „Los“ jetzt den Anfangssaldo festlegen</translation>
    </message>
    <message>
        <source>[Step 6/6] Cash Flow Chart</source>
        <translation>[Schritt 6/6] Cashflow-Diagramm</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Previous</source>
        <translation>&lt;&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Budget Wizard</source>
        <translation>Budget-Assistent</translation>
    </message>
</context>
<context>
    <name>CategoriesDialog</name>
    <message>
        <source>You have not defined any objects.
You need some objects to define categories.</source>
        <translation>Sie haben noch keine Objekte angelegt.
Zum Anlegen von Kategorien brauchen Sie Objekte.</translation>
    </message>
    <message>
        <source>Press &quot;Objects&quot; to define objects.</source>
        <translation>Klicken Sie auf „Objekte“, um Objekte anzulegen.</translation>
    </message>
    <message>
        <source>You have not defined any functional areas.
You need some functional areas to define categories.</source>
        <translation>Sie haben noch keine Funktionsbereiche angelegt.
Zum Anlegen von Kategorien brauchen Sie Funktionsbereiche.</translation>
    </message>
    <message>
        <source>Press &quot;Fun. Areas&quot; to define functional areas.</source>
        <translation>Klicken Sie auf „Bereiche“, um Funktionsbereiche anzulegen.</translation>
    </message>
    <message>
        <source>Budget surplus</source>
        <translation>Budgetüberschuss</translation>
    </message>
    <message>
        <source>Budget Deficit</source>
        <translation>Budgetdefizit</translation>
    </message>
    <message>
        <source>This category is in use so the type cannot be updated.</source>
        <translation>Diese Kategorie wird verwendet, daher kann ihr Typ nicht geändert werden.</translation>
    </message>
    <message>
        <source>- do not update the type
- create a new category with the desired type</source>
        <translation>- ändern Sie den Typ nicht
- legen Sie eine neue Kategorie mit dem gewünschten Typ an</translation>
    </message>
    <message>
        <source>All predactions of this category will be removed.
Do you want to continue?</source>
        <translation>Alle Planbuchungen dieser Kategorie werden entfernt.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This category is in use and cannot be removed.</source>
        <translation>Diese Kategorie wird verwendet und kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>- remove all transactions in this category
- change the category without removing it</source>
        <translation>- entfernen Sie alle Buchungen dieser Kategorie
- ändern Sie die Kategorie, statt sie zu entfernen</translation>
    </message>
    <message>
        <source>No category selected.</source>
        <translation>Keine Kategorie ausgewählt.</translation>
    </message>
    <message>
        <source>Select a category to add predictions.</source>
        <translation>Wählen Sie eine Kategorie aus, um Planbuchungen hinzuzufügen.</translation>
    </message>
    <message>
        <source>Fix In</source>
        <translation>Fix Ein</translation>
    </message>
    <message>
        <source>Var In</source>
        <translation>Var Ein</translation>
    </message>
    <message>
        <source>Fix Ex</source>
        <translation>Fix Aus</translation>
    </message>
    <message>
        <source>Var Ex</source>
        <translation>Var Aus</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Functional Area</source>
        <translation>Funktionsbereich</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Predactions</source>
        <translation>&amp;Planung</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objekte</translation>
    </message>
    <message>
        <source>&amp;Fun. Areas</source>
        <translation>&amp;Bereiche</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Total Income</source>
        <translation>Summe Einnahmen</translation>
    </message>
    <message>
        <source>Total Expenses</source>
        <translation>Summe Ausgaben</translation>
    </message>
    <message>
        <source>Budget ???</source>
        <translation>Budget ???</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
</context>
<context>
    <name>CategoryType</name>
    <message>
        <source>Fix Ex</source>
        <translation>Fix Aus</translation>
    </message>
    <message>
        <source>Fix In</source>
        <translation>Fix Ein</translation>
    </message>
    <message>
        <source>Var Ex</source>
        <translation>Var Aus</translation>
    </message>
    <message>
        <source>Var In</source>
        <translation>Var Ein</translation>
    </message>
</context>
<context>
    <name>ChangeYearDialog</name>
    <message>
        <source>The year %1 has no budget yet.
Do you want to start it with the budget of %2?</source>
        <translation>Das Jahr %1 hat noch kein Budget.
Möchten Sie es mit dem Budget von %2 beginnen?</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Change Year </source>
        <translation>Jahr wechseln </translation>
    </message>
</context>
<context>
    <name>ChartPicture</name>
    <message>
        <source>%1, months %2 to %3</source>
        <translation>%1, Monate %2 bis %3</translation>
    </message>
</context>
<context>
    <name>CsvColumnsDialog</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>The columns of %1</source>
        <translation>Die Spalten von %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Year Month Day (2024-12-31)</source>
        <translation>Jahr Monat Tag (2024-12-31)</translation>
    </message>
    <message>
        <source>Day Month Year (31.12.2024)</source>
        <translation>Tag Monat Jahr (31.12.2024)</translation>
    </message>
    <message>
        <source>Month Day Year (12/31/2024)</source>
        <translation>Monat Tag Jahr (12/31/2024)</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Punkt (1,234.56)</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Komma (1.234,56)</translation>
    </message>
    <message>
        <source>The columns of the statement</source>
        <translation>Die Spalten des Kontoauszugs</translation>
    </message>
    <message>
        <source>The first line holds the column &amp;names</source>
        <translation>Die erste Zeile enthält die Spalten&amp;namen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>or Money out</source>
        <translation>oder Ausgaben</translation>
    </message>
    <message>
        <source>and Money in</source>
        <translation>und Einnahmen</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Verwendung</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Decimal symbol</source>
        <translation>Dezimalzeichen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
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
        <source>Statement Columns</source>
        <translation>Spalten des Kontoauszugs</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>added on %1</source>
        <translation>hinzugefügt am %1</translation>
    </message>
    <message>
        <source>updated on %1</source>
        <translation>geändert am %1</translation>
    </message>
    <message>
        <source>The description for this transaction is invalid (too long). 
Current length = %1
Maximum length = %2</source>
        <translation>Die Beschreibung dieser Buchung ist ungültig (zu lang). 
Aktuelle Länge = %1
Maximale Länge = %2</translation>
    </message>
    <message>
        <source>Enter a shorter name for the new object</source>
        <translation>Geben Sie eine kürzere Beschreibung ein</translation>
    </message>
    <message>
        <source>The description is invalid.</source>
        <translation>Die Beschreibung ist ungültig.</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>- check the name and the folder of the file
- open another file</source>
        <translation>- prüfen Sie den Namen und den Ordner der Datei
- öffnen Sie eine andere Datei</translation>
    </message>
    <message>
        <source>You may not read the file %1.</source>
        <translation>Sie dürfen die Datei %1 nicht lesen.</translation>
    </message>
    <message>
        <source>- ask the owner of the file for the right to read it
- open another file</source>
        <translation>- bitten Sie den Besitzer der Datei um das Leserecht
- öffnen Sie eine andere Datei</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 ist keine Datei.</translation>
    </message>
    <message>
        <source>- open a .PXF file</source>
        <translation>- öffnen Sie eine .PXF-Datei</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: it is damaged or it is no account file.
Its backup %2 can be read. Do you want to open the backup in its place? Saving it then replaces the damaged file.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: Sie ist beschädigt oder keine Kontodatei.
Ihre Sicherung %2 ist lesbar. Möchten Sie stattdessen die Sicherung öffnen? Beim Speichern ersetzt sie dann die beschädigte Datei.</translation>
    </message>
    <message>
        <source>The last save of %1 was interrupted.
The account is as it was before that save, put back from its backup %2.</source>
        <translation>Das letzte Speichern von %1 wurde unterbrochen.
Das Konto ist so, wie es vor diesem Speichern war, wiederhergestellt aus seiner Sicherung %2.</translation>
    </message>
    <message>
        <source>- check the changes made just before that save, and make again those that are missing</source>
        <translation>- prüfen Sie die Änderungen kurz vor diesem Speichern und wiederholen Sie die fehlenden</translation>
    </message>
    <message>
        <source>The account %1 is open in another program%2.
Do you want to open it anyway?</source>
        <translation>Das Konto %1 ist in einem anderen Programm geöffnet%2.
Möchten Sie es trotzdem öffnen?</translation>
    </message>
    <message>
        <source>The file %1 is open in another program%2.
Do you want to replace it anyway?</source>
        <translation>Die Datei %1 ist in einem anderen Programm geöffnet%2.
Möchten Sie sie trotzdem ersetzen?</translation>
    </message>
    <message>
        <source>The account %1 cannot be locked against a second program: %2 is a lock file that is not this program&apos;s.</source>
        <translation>Das Konto %1 kann nicht gegen ein zweites Programm gesperrt werden: %2 ist eine Sperrdatei, die nicht von diesem Programm stammt.</translation>
    </message>
    <message>
        <source>- changes another program makes are still noticed before a save
- remove %2 if no one uses it</source>
        <translation>- Änderungen durch ein anderes Programm werden vor dem Speichern dennoch bemerkt
- entfernen Sie %2, wenn es niemand verwendet</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since it was opened.
Do you want to replace it?</source>
        <translation>Die Datei %1 wurde seit dem Öffnen von einem anderen Programm geändert.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>The file %1 is now a link to %2, put there by another program since it was opened.
Do you want to replace the link with this account? The file it links to is not changed.</source>
        <translation>Die Datei %1 ist jetzt eine Verknüpfung auf %2, die seit dem Öffnen von einem anderen Programm angelegt wurde.
Möchten Sie die Verknüpfung durch dieses Konto ersetzen? Die verknüpfte Datei wird nicht geändert.</translation>
    </message>
    <message>
        <source>The file %1 already exists.
Do you want to replace it?</source>
        <translation>Die Datei %1 existiert bereits.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source> (%1 on %2, process %3)</source>
        <translation> (%1 auf %2, Prozess %3)</translation>
    </message>
    <message>
        <source>The file %1 is not a bank statement the program can read.</source>
        <translation>Die Datei %1 ist kein Kontoauszug, den das Programm lesen kann.</translation>
    </message>
    <message>
        <source>- choose an OFX or QFX, a QIF or a CSV statement (.ofx, .qfx, .qif, .csv)</source>
        <translation>- wählen Sie einen OFX-, QFX-, QIF- oder CSV-Kontoauszug (.ofx, .qfx, .qif, .csv)</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>- check that you may write to the folder
- check that the disk is not full
- try another name</source>
        <translation>- prüfen Sie, ob Sie in den Ordner schreiben dürfen
- prüfen Sie, ob der Datenträger voll ist
- versuchen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>Reading the statement %1...</source>
        <translation>Kontoauszug %1 wird gelesen...</translation>
    </message>
    <message>
        <source>Comparing the statement with the account...</source>
        <translation>Kontoauszug wird mit dem Konto verglichen...</translation>
    </message>
    <message>
        <source>The account %1 has changes that were not saved when the program ended on %2.
Do you want to recover them?</source>
        <translation>Das Konto %1 hat Änderungen, die nicht gespeichert waren, als das Programm am %2 endete.
Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>Do you want to delete the changes to %1 of %2 for good?
If you answer No, they are kept until you save the account.</source>
        <translation>Möchten Sie die Änderungen an %1 vom %2 endgültig löschen?
Wenn Sie mit Nein antworten, bleiben sie erhalten, bis Sie das Konto speichern.</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be read: %2.</source>
        <translation>Die Wiederherstellungskopie %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>- it holds no changes that can be recovered
- answer the next question to delete it or keep it</source>
        <translation>- sie enthält keine wiederherstellbaren Änderungen
- beantworten Sie die nächste Frage, um sie zu löschen oder zu behalten</translation>
    </message>
    <message>
        <source>Do you want to delete the damaged recovery copy %1?</source>
        <translation>Möchten Sie die beschädigte Wiederherstellungskopie %1 löschen?</translation>
    </message>
    <message>
        <source>The recovery copy of %1 cannot be written: unsaved changes would be lost if the program ended now.</source>
        <translation>Die Wiederherstellungskopie von %1 kann nicht geschrieben werden: Ungespeicherte Änderungen gingen verloren, wenn das Programm jetzt endete.</translation>
    </message>
    <message>
        <source>The oldest undo step was dropped to keep undo within 64 MiB.</source>
        <translation>Der älteste Rückgängig-Schritt wurde verworfen, damit Rückgängig unter 64 MiB bleibt.</translation>
    </message>
    <message>
        <source>The %1 oldest undo steps were dropped to keep undo within 64 MiB.</source>
        <translation>Die %1 ältesten Rückgängig-Schritte wurden verworfen, damit Rückgängig unter 64 MiB bleibt.</translation>
    </message>
    <message>
        <source>%1 changed too much to be undone; the changes before it can no longer be undone either.</source>
        <translation>%1 hat zu viel geändert, um rückgängig gemacht zu werden; auch die Änderungen davor lassen sich nicht mehr rückgängig machen.</translation>
    </message>
    <message>
        <source>No earlier version of %1 could be kept: the folder of kept versions cannot be written.</source>
        <translation>Es konnte keine frühere Version von %1 aufbewahrt werden: In den Ordner der aufbewahrten Versionen kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 (restored %2)</source>
        <translation>%1 (wiederhergestellt %2)</translation>
    </message>
    <message>
        <source>%1 restored %2</source>
        <translation>%1 wiederhergestellt %2</translation>
    </message>
    <message>
        <source>You have not defined any objects.
You need some objects to define categories.</source>
        <translation>Sie haben noch keine Objekte angelegt.
Zum Anlegen von Kategorien brauchen Sie Objekte.</translation>
    </message>
    <message>
        <source>Select &quot;Categories|Objects...&quot; to define objects.</source>
        <translation>Wählen Sie „Kategorien|Objekte...“, um Objekte anzulegen.</translation>
    </message>
    <message>
        <source>You have not defined any functional areas.
You need some functional areas to define categories.</source>
        <translation>Sie haben noch keine Funktionsbereiche angelegt.
Zum Anlegen von Kategorien brauchen Sie Funktionsbereiche.</translation>
    </message>
    <message>
        <source>Select &quot;Categories|Functional Areas...&quot; to define functional areas.</source>
        <translation>Wählen Sie „Kategorien|Funktionsbereiche...“, um Funktionsbereiche anzulegen.</translation>
    </message>
    <message>
        <source>You have not defined any categories.
You need some categories to create transactions.</source>
        <translation>Sie haben noch keine Kategorien angelegt.
Zum Erfassen von Buchungen brauchen Sie Kategorien.</translation>
    </message>
    <message>
        <source>Select &quot;Categories|Categories...&quot; to define categories.</source>
        <translation>Wählen Sie „Kategorien|Kategorien...“, um Kategorien anzulegen.</translation>
    </message>
</context>
<context>
    <name>ExportChartDialog</name>
    <message>
        <source>The size is invalid.</source>
        <translation>Die Größe ist ungültig.</translation>
    </message>
    <message>
        <source>Enter a number of pixels from 100 to 10000.</source>
        <translation>Geben Sie eine Pixelzahl von 100 bis 10000 ein.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;PNG image</source>
        <translation>&amp;PNG-Bild</translation>
    </message>
    <message>
        <source>&amp;SVG drawing</source>
        <translation>&amp;SVG-Zeichnung</translation>
    </message>
    <message>
        <source>P&amp;DF page</source>
        <translation>P&amp;DF-Seite</translation>
    </message>
    <message>
        <source>Width (pixels)</source>
        <translation>Breite (Pixel)</translation>
    </message>
    <message>
        <source>Height (pixels)</source>
        <translation>Höhe (Pixel)</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Purso Files (*.pxf)</source>
        <translation>Purso-Dateien (*.pxf)</translation>
    </message>
    <message>
        <source>Bank Statements (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV);;OFX Files (*.ofx *.qfx *.OFX *.QFX);;QIF Files (*.qif *.QIF);;CSV Files (*.csv *.CSV)</source>
        <translation>Kontoauszüge (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV);;OFX-Dateien (*.ofx *.qfx *.OFX *.QFX);;QIF-Dateien (*.qif *.QIF);;CSV-Dateien (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>PDF Documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>%1 %2 chart</source>
        <translation>%1 %2 Diagramm</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Kontoauszug importieren</translation>
    </message>
    <message>
        <source>Export Year as CSV</source>
        <translation>Jahr als CSV exportieren</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>(no category)</source>
        <translation>(keine Kategorie)</translation>
    </message>
    <message>
        <source>opening balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Every line is money in. If some are payments, check the signs or the columns of the statement.</source>
        <translation>Alle Zeilen sind Geldeingänge. Falls einige Zahlungen sind, prüfen Sie die Vorzeichen oder die Spalten des Kontoauszugs.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>doppelt</translation>
    </message>
    <message>
        <source>The line has no category.</source>
        <translation>Die Zeile hat keine Kategorie.</translation>
    </message>
    <message>
        <source>Choose a category for the line first.</source>
        <translation>Wählen Sie zuerst eine Kategorie für die Zeile.</translation>
    </message>
    <message>
        <source>Some of the selected lines have no category.</source>
        <translation>Einige der ausgewählten Zeilen haben keine Kategorie.</translation>
    </message>
    <message>
        <source>Choose a category for the lines first.</source>
        <translation>Wählen Sie zuerst eine Kategorie für die Zeilen.</translation>
    </message>
    <message>
        <source>The account has changed since the statement was read.</source>
        <translation>Das Konto wurde geändert, seit der Kontoauszug gelesen wurde.</translation>
    </message>
    <message>
        <source>Import the statement again.</source>
        <translation>Importieren Sie den Kontoauszug erneut.</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 Zeile</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 (line %2 of the file)</source>
        <translation>%1 (Zeile %2 der Datei)</translation>
    </message>
    <message>
        <source>%1 (lines %2 of the file)</source>
        <translation>%1 (Zeilen %2 der Datei)</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Statement: %1, %2</source>
        <translation>Kontoauszug: %1, %2</translation>
    </message>
    <message>
        <source>(unnamed)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>%1 of %2 to import</source>
        <translation>%1 von %2 werden importiert</translation>
    </message>
    <message>
        <source>outside the years %1 to %2: %3</source>
        <translation>außerhalb der Jahre %1 bis %2: %3</translation>
    </message>
    <message>
        <source>without a date: %1</source>
        <translation>ohne Datum: %1</translation>
    </message>
    <message>
        <source>Not imported, </source>
        <translation>Nicht importiert, </translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Kontoauszug</translation>
    </message>
    <message>
        <source>0 of 0 lines to import</source>
        <translation>0 von 0 Zeilen werden importiert</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Predaction</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Category of the selected lines</source>
        <translation>Kategorie der ausgewählten Zeilen</translation>
    </message>
    <message>
        <source>Import these &amp;lines</source>
        <translation>Diese &amp;Zeilen importieren</translation>
    </message>
    <message>
        <source>Account of the statement</source>
        <translation>Konto des Kontoauszugs</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Einlesen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Kontoauszug importieren</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>The budget is invalid (bad format)</source>
        <translation>Das Budget ist ungültig (falsches Format)</translation>
    </message>
    <message>
        <source>The budget is invalid (number too big)</source>
        <translation>Das Budget ist ungültig (Zahl zu groß)</translation>
    </message>
    <message>
        <source>The date is invalid.</source>
        <translation>Das Datum ist ungültig.</translation>
    </message>
    <message>
        <source>- check the day and the month for errors
- check the PURSO settings for the current date format.</source>
        <translation>- prüfen Sie Tag und Monat auf Fehler
- prüfen Sie das aktuelle Datumsformat in den PURSO-Einstellungen.</translation>
    </message>
    <message>
        <source>The amount is invalid (bad format)</source>
        <translation>Der Betrag ist ungültig (falsches Format)</translation>
    </message>
    <message>
        <source>Enter a valid number.</source>
        <translation>Geben Sie eine gültige Zahl ein.</translation>
    </message>
    <message>
        <source>The amount is invalid (number too big)</source>
        <translation>Der Betrag ist ungültig (Zahl zu groß)</translation>
    </message>
    <message>
        <source>Enter a number &lt; 999999999</source>
        <translation>Geben Sie eine Zahl &lt; 999999999 ein</translation>
    </message>
    <message>
        <source>The opening balance is invalid (bad format)</source>
        <translation>Der Anfangssaldo ist ungültig (falsches Format)</translation>
    </message>
    <message>
        <source>The balance is invalid (number too big)</source>
        <translation>Der Saldo ist ungültig (Zahl zu groß)</translation>
    </message>
    <message>
        <source>The first predaction date is invalid.</source>
        <translation>Das Datum der ersten Planbuchung ist ungültig.</translation>
    </message>
    <message>
        <source>The last predaction date is invalid.</source>
        <translation>Das Datum der letzten Planbuchung ist ungültig.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
</context>
<context>
    <name>MatchDialog</name>
    <message>
        <source>No predaction selected.</source>
        <translation>Keine Planbuchung ausgewählt.</translation>
    </message>
    <message>
        <source>- select an existing predaction
- create a new predaction</source>
        <translation>- wählen Sie eine vorhandene Planbuchung
- legen Sie eine neue Planbuchung an</translation>
    </message>
    <message>
        <source>Unmatched predactions for this category:</source>
        <translation>Nicht zugeordnete Planbuchungen der Kategorie:</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>&amp;Zuordnen</translation>
    </message>
    <message>
        <source>&amp;New Pred.</source>
        <translation>&amp;Neue Planb.</translation>
    </message>
    <message>
        <source>&amp;Predactions</source>
        <translation>&amp;Planung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Match transaction with predaction</source>
        <translation>Buchung einer Planbuchung zuordnen</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Help Index</source>
        <translation>&amp;Hilfe-Index</translation>
    </message>
    <message>
        <source>&amp;About Tolva Account Organizer...</source>
        <translation>&amp;Info über Tolva Account Organizer...</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Restore Earlier &amp;Version...</source>
        <translation>Frühere &amp;Version wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Import Statement...</source>
        <translation>Kontoauszug &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Year as CSV...</source>
        <translation>Jahr als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export C&amp;hart...</source>
        <translation>Dia&amp;gramm exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print P&amp;review...</source>
        <translation>Druckvorsc&amp;hau...</translation>
    </message>
    <message>
        <source>Change &amp;Year...</source>
        <translation>&amp;Jahr wechseln...</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <translation>Eins&amp;tellungen...</translation>
    </message>
    <message>
        <source>Bac&amp;kups...</source>
        <translation>Sicherungs&amp;kopien...</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Wiederherstellen	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>&amp;Objects...</source>
        <translation>&amp;Objekte...</translation>
    </message>
    <message>
        <source>&amp;Functional Areas...</source>
        <translation>&amp;Funktionsbereiche...</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>&amp;Kategorien...</translation>
    </message>
    <message>
        <source>Budget &amp;Wizard...</source>
        <translation>Budget-&amp;Assistent...</translation>
    </message>
    <message>
        <source>Opening &amp;Balance</source>
        <translation>&amp;Anfangssaldo</translation>
    </message>
    <message>
        <source>&amp;Transactions</source>
        <translation>&amp;Buchungen</translation>
    </message>
    <message>
        <source>&amp;Solver</source>
        <translation>Aus&amp;gleich</translation>
    </message>
    <message>
        <source>Budget &amp;Report</source>
        <translation>Budgetbe&amp;richt</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>&amp;Operations</source>
        <translation>&amp;Vorgänge</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
</context>
<context>
    <name>MessageDialogs</name>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Try closing all other applications.
If that doesn&apos;t work, consider buying more RAM.</source>
        <translation>Schließen Sie alle anderen Anwendungen.
Wenn das nicht hilft, sollten Sie den Arbeitsspeicher aufrüsten.</translation>
    </message>
    <message>
        <source>Unable to complete operation (out of memory).</source>
        <translation>Der Vorgang kann nicht abgeschlossen werden (nicht genügend Arbeitsspeicher).</translation>
    </message>
    <message>
        <source>Purso</source>
        <translation>Purso</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>&lt;&lt; problem &gt;&gt;</source>
        <translation>&lt;&lt; Problem &gt;&gt;</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Vorschlag</translation>
    </message>
    <message>
        <source>&lt;&lt; suggestion &gt;&gt;</source>
        <translation>&lt;&lt; Vorschlag &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Question?</source>
        <translation>Frage?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NameListDialog</name>
    <message>
        <source>The object %1 is used by the category %2 and cannot be removed.</source>
        <translation>Das Objekt %1 wird von der Kategorie %2 verwendet und kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>- remove that category
- change that category to another object</source>
        <translation>- entfernen Sie diese Kategorie
- ordnen Sie dieser Kategorie ein anderes Objekt zu</translation>
    </message>
    <message>
        <source>No object selected.</source>
        <translation>Kein Objekt ausgewählt.</translation>
    </message>
    <message>
        <source>Select an object to remove.</source>
        <translation>Wählen Sie ein Objekt zum Entfernen aus.</translation>
    </message>
    <message>
        <source>The functional area %1 is used by the category %2 and cannot be removed.</source>
        <translation>Der Funktionsbereich %1 wird von der Kategorie %2 verwendet und kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>- remove that category
- change that category to another functional area</source>
        <translation>- entfernen Sie diese Kategorie
- ordnen Sie dieser Kategorie einen anderen Funktionsbereich zu</translation>
    </message>
    <message>
        <source>No FNAect selected.</source>
        <translation>Kein Funktionsbereich ausgewählt.</translation>
    </message>
    <message>
        <source>Select an FNAect to remove.</source>
        <translation>Wählen Sie einen Funktionsbereich zum Entfernen aus.</translation>
    </message>
    <message>
        <source>Functional Area Name</source>
        <translation>Name des Funktionsbereichs</translation>
    </message>
    <message>
        <source>Functional Areas</source>
        <translation>Funktionsbereiche</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>Objektname</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
</context>
<context>
    <name>NameRules</name>
    <message>
        <source>The name of the new object is invalid.</source>
        <translation>Der Name des neuen Objekts ist ungültig.</translation>
    </message>
    <message>
        <source>The name of the new object is invalid (zero length)</source>
        <translation>Der Name des neuen Objekts ist ungültig (leer)</translation>
    </message>
    <message>
        <source>Enter a valid name for the new object</source>
        <translation>Geben Sie einen gültigen Namen für das neue Objekt ein</translation>
    </message>
    <message>
        <source>The name of the new object is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Der Name des neuen Objekts ist ungültig (zu lang). 
Aktuelle Länge = %u
Maximale Länge = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the new object</source>
        <translation>Geben Sie einen kürzeren Namen für das neue Objekt ein</translation>
    </message>
    <message>
        <source>The name of the new object is invalid (already in use)</source>
        <translation>Der Name des neuen Objekts ist ungültig (bereits vergeben)</translation>
    </message>
    <message>
        <source>Use a different name for the new object</source>
        <translation>Verwenden Sie einen anderen Namen für das neue Objekt</translation>
    </message>
    <message>
        <source>The name of the object is invalid.</source>
        <translation>Der Name des Objekts ist ungültig.</translation>
    </message>
    <message>
        <source>The name of the object is invalid (zero length)</source>
        <translation>Der Name des Objekts ist ungültig (leer)</translation>
    </message>
    <message>
        <source>Enter a valid name for the object</source>
        <translation>Geben Sie einen gültigen Namen für das Objekt ein</translation>
    </message>
    <message>
        <source>The name of the object is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Der Name des Objekts ist ungültig (zu lang). 
Aktuelle Länge = %u
Maximale Länge = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the object</source>
        <translation>Geben Sie einen kürzeren Namen für das Objekt ein</translation>
    </message>
    <message>
        <source>The name of the object is invalid (already in use)</source>
        <translation>Der Name des Objekts ist ungültig (bereits vergeben)</translation>
    </message>
    <message>
        <source>Use a different name for the object</source>
        <translation>Verwenden Sie einen anderen Namen für das Objekt</translation>
    </message>
    <message>
        <source>The name of the new functional area is invalid.</source>
        <translation>Der Name des neuen Funktionsbereichs ist ungültig.</translation>
    </message>
    <message>
        <source>The name of the new functional area is invalid (zero length)</source>
        <translation>Der Name des neuen Funktionsbereichs ist ungültig (leer)</translation>
    </message>
    <message>
        <source>Enter a valid name for the new functional area</source>
        <translation>Geben Sie einen gültigen Namen für den neuen Funktionsbereich ein</translation>
    </message>
    <message>
        <source>The name of the new FNAect is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Der Name des neuen Funktionsbereichs ist ungültig (zu lang). 
Aktuelle Länge = %u
Maximale Länge = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the new FNAect</source>
        <translation>Geben Sie einen kürzeren Namen für den neuen Funktionsbereich ein</translation>
    </message>
    <message>
        <source>The name of the new FNAect is invalid (already in use)</source>
        <translation>Der Name des neuen Funktionsbereichs ist ungültig (bereits vergeben)</translation>
    </message>
    <message>
        <source>Use a different name for the new FNAect</source>
        <translation>Verwenden Sie einen anderen Namen für den neuen Funktionsbereich</translation>
    </message>
    <message>
        <source>The name of the functional area is invalid.</source>
        <translation>Der Name des Funktionsbereichs ist ungültig.</translation>
    </message>
    <message>
        <source>The name of the functional area is invalid (zero length)</source>
        <translation>Der Name des Funktionsbereichs ist ungültig (leer)</translation>
    </message>
    <message>
        <source>Enter a valid name for the functional area</source>
        <translation>Geben Sie einen gültigen Namen für den Funktionsbereich ein</translation>
    </message>
    <message>
        <source>The name of the functional area is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Der Name des Funktionsbereichs ist ungültig (zu lang). 
Aktuelle Länge = %u
Maximale Länge = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the functional area</source>
        <translation>Geben Sie einen kürzeren Namen für den Funktionsbereich ein</translation>
    </message>
    <message>
        <source>The name of the functional area is invalid (already in use)</source>
        <translation>Der Name des Funktionsbereichs ist ungültig (bereits vergeben)</translation>
    </message>
    <message>
        <source>Use a different name for the FNA</source>
        <translation>Verwenden Sie einen anderen Namen für den Funktionsbereich</translation>
    </message>
    <message>
        <source>The name of the new category is invalid.</source>
        <translation>Der Name der neuen Kategorie ist ungültig.</translation>
    </message>
    <message>
        <source>The name of the new category is invalid (zero length).</source>
        <translation>Der Name der neuen Kategorie ist ungültig (leer).</translation>
    </message>
    <message>
        <source>Enter a valid name for the new category.</source>
        <translation>Geben Sie einen gültigen Namen für die neue Kategorie ein.</translation>
    </message>
    <message>
        <source>The name of the new category is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Der Name der neuen Kategorie ist ungültig (zu lang). 
Aktuelle Länge = %u
Maximale Länge = %u</translation>
    </message>
    <message>
        <source>The name of the new category is invalid (already in use)</source>
        <translation>Der Name der neuen Kategorie ist ungültig (bereits vergeben)</translation>
    </message>
    <message>
        <source>Use a different name for the new category</source>
        <translation>Verwenden Sie einen anderen Namen für die neue Kategorie</translation>
    </message>
    <message>
        <source>The name of the category is invalid.</source>
        <translation>Der Name der Kategorie ist ungültig.</translation>
    </message>
    <message>
        <source>The name of the category is invalid (zero length).</source>
        <translation>Der Name der Kategorie ist ungültig (leer).</translation>
    </message>
    <message>
        <source>Enter a valid name for the category.</source>
        <translation>Geben Sie einen gültigen Namen für die Kategorie ein.</translation>
    </message>
    <message>
        <source>The name of the category is invalid (too long). 
Current length = %u
Maximum length = %u</source>
        <translation>Der Name der Kategorie ist ungültig (zu lang). 
Aktuelle Länge = %u
Maximale Länge = %u</translation>
    </message>
    <message>
        <source>Enter a shorter name for the category</source>
        <translation>Geben Sie einen kürzeren Namen für die Kategorie ein</translation>
    </message>
    <message>
        <source>The new name of the category is invalid (already in use)</source>
        <translation>Der neue Name der Kategorie ist ungültig (bereits vergeben)</translation>
    </message>
    <message>
        <source>Use a different new name for the category</source>
        <translation>Verwenden Sie einen anderen neuen Namen für die Kategorie</translation>
    </message>
    <message>
        <source>Remove the &apos;%&apos;, &apos;|&apos; &amp; &apos;@&apos; characters.</source>
        <translation>Entfernen Sie die Zeichen &apos;%&apos;, &apos;|&apos; und &apos;@&apos;.</translation>
    </message>
</context>
<context>
    <name>OpeningBalanceDialog</name>
    <message>
        <source>Opening balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PredactionsDialog</name>
    <message>
        <source>Remove the transaction first.</source>
        <translation>Entfernen Sie zuerst die Buchung.</translation>
    </message>
    <message>
        <source>This predaction has been matched with a transaction and cannot be updated.</source>
        <translation>Diese Planbuchung ist einer Buchung zugeordnet und kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>This predaction has been matched with a transaction and cannot be removed.</source>
        <translation>Diese Planbuchung ist einer Buchung zugeordnet und kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>This will remove all unmatched predactions!
Do you want to continue?</source>
        <translation>Damit werden alle nicht zugeordneten Planbuchungen entfernt!
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <source>Dail&amp;y</source>
        <translation>&amp;Täglich</translation>
    </message>
    <message>
        <source>&amp;Weekly</source>
        <translation>&amp;Wöchentlich</translation>
    </message>
    <message>
        <source>&amp;Monthly</source>
        <translation>&amp;Monatlich</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Number of predactions</source>
        <translation>Anzahl Planbuchungen</translation>
    </message>
    <message>
        <source>Total budget</source>
        <translation>Gesamtbudget</translation>
    </message>
    <message>
        <source>Predicted Transactions</source>
        <translation>Geplante Buchungen</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Statement</source>
        <translation>Kontoauszug importieren</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Create a new account
New</source>
        <translation>Neues Konto anlegen
Neu</translation>
    </message>
    <message>
        <source>Open an existing account
Open</source>
        <translation>Vorhandenes Konto öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Close the active account
Close</source>
        <translation>Aktives Konto schließen
Schließen</translation>
    </message>
    <message>
        <source>Save the active account
Save</source>
        <translation>Aktives Konto speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active account with a new name
Save As</source>
        <translation>Aktives Konto unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Import a bank statement into the active account
Import Statement</source>
        <translation>Kontoauszug in das aktive Konto importieren
Kontoauszug importieren</translation>
    </message>
    <message>
        <source>Open an earlier version of the active account as a new account
Restore Earlier Version</source>
        <translation>Frühere Version des aktiven Kontos als neues Konto öffnen
Frühere Version wiederherstellen</translation>
    </message>
    <message>
        <source>Choose how many earlier versions of the accounts are kept
Backups</source>
        <translation>Festlegen, wie viele frühere Versionen der Konten aufbewahrt werden
Sicherungskopien</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Letzte Aktion rückgängig machen
Rückgängig</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Zuletzt rückgängig gemachte Aktion wiederherstellen
Wiederherstellen</translation>
    </message>
    <message>
        <source>Export the current year&apos;s transactions and predactions as a CSV file
Export Year as CSV</source>
        <translation>Buchungen und Planbuchungen des aktuellen Jahres als CSV-Datei exportieren
Jahr als CSV exportieren</translation>
    </message>
    <message>
        <source>Save the current year&apos;s cash flow chart as a picture (PNG, SVG or PDF)
Export Chart</source>
        <translation>Cashflow-Diagramm des aktuellen Jahres als Bild speichern (PNG, SVG oder PDF)
Diagramm exportieren</translation>
    </message>
    <message>
        <source>Print the cash flow chart and the key figures
Print</source>
        <translation>Cashflow-Diagramm und Kennzahlen drucken
Drucken</translation>
    </message>
    <message>
        <source>Show the page that Print would print
Print Preview</source>
        <translation>Die Seite anzeigen, die Drucken drucken würde
Druckvorschau</translation>
    </message>
    <message>
        <source>Show how the current year stands against its budget, category by category
Budget Report</source>
        <translation>Zeigen, wie das aktuelle Jahr zu seinem Budget steht, Kategorie für Kategorie
Budgetbericht</translation>
    </message>
    <message>
        <source>Objects
Objects</source>
        <translation>Objekte
Objekte</translation>
    </message>
    <message>
        <source>Functional Areas
Functional Areas</source>
        <translation>Funktionsbereiche
Funktionsbereiche</translation>
    </message>
    <message>
        <source>Settings
Settings</source>
        <translation>Einstellungen
Einstellungen</translation>
    </message>
    <message>
        <source>Categories
Categories</source>
        <translation>Kategorien
Kategorien</translation>
    </message>
    <message>
        <source>Transactions
Transactions</source>
        <translation>Buchungen
Buchungen</translation>
    </message>
    <message>
        <source>Opening balance...
Opening balance...</source>
        <translation>Anfangssaldo...
Anfangssaldo...</translation>
    </message>
    <message>
        <source>Solver
Solver</source>
        <translation>Ausgleich
Ausgleich</translation>
    </message>
    <message>
        <source>Budget Wizard
Budget Wizard</source>
        <translation>Budget-Assistent
Budget-Assistent</translation>
    </message>
    <message>
        <source>Change Year
Change Year</source>
        <translation>Jahr wechseln
Jahr wechseln</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save accounts
Exit</source>
        <translation>Programm beenden; fragt, ob Konten gespeichert werden sollen
Beenden</translation>
    </message>
    <message>
        <source>Opens Help
Help Topics</source>
        <translation>Öffnet die Hilfe
Hilfethemen</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Drücken Sie F1, um Hilfe zu erhalten</translation>
    </message>
</context>
<context>
    <name>ReadFailure</name>
    <message>
        <source>Error reading from .PXF file. Possible causes:
- out of memory
- not a valid .PXF file</source>
        <translation>Fehler beim Lesen der .PXF-Datei. Mögliche Ursachen:
- nicht genügend Arbeitsspeicher
- keine gültige .PXF-Datei</translation>
    </message>
    <message>
        <source>- close some applications
- try a new file</source>
        <translation>- schließen Sie einige Anwendungen
- versuchen Sie eine andere Datei</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>sie ist keine Datei</translation>
    </message>
    <message>
        <source>read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>die Datei endet vorzeitig</translation>
    </message>
    <message>
        <source>it does not begin as an account file does</source>
        <translation>sie beginnt nicht wie eine Kontodatei</translation>
    </message>
    <message>
        <source>its display settings are damaged</source>
        <translation>ihre Anzeigeeinstellungen sind beschädigt</translation>
    </message>
    <message>
        <source>its current year is not one of its years</source>
        <translation>ihr aktuelles Jahr ist keines ihrer Jahre</translation>
    </message>
    <message>
        <source>its number of years is out of range</source>
        <translation>ihre Anzahl an Jahren liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>the columns of a table are damaged</source>
        <translation>die Spalten einer Tabelle sind beschädigt</translation>
    </message>
    <message>
        <source>a table has other columns than it must</source>
        <translation>eine Tabelle hat andere Spalten als vorgesehen</translation>
    </message>
    <message>
        <source>a table&apos;s rows per block is not its own</source>
        <translation>die Zeilen je Block einer Tabelle stimmen nicht</translation>
    </message>
    <message>
        <source>a table&apos;s capacity does not fit 32 bits</source>
        <translation>die Kapazität einer Tabelle passt nicht in 32 Bit</translation>
    </message>
    <message>
        <source>a table holds more rows than its capacity</source>
        <translation>eine Tabelle enthält mehr Zeilen als ihre Kapazität</translation>
    </message>
    <message>
        <source>a table&apos;s next row id is the no-row marker</source>
        <translation>die nächste Zeilennummer einer Tabelle ist die Markierung für keine Zeile</translation>
    </message>
    <message>
        <source>a table&apos;s row ids do not rise below its next row id</source>
        <translation>die Zeilennummern einer Tabelle steigen nicht bis unter ihre nächste Zeilennummer</translation>
    </message>
    <message>
        <source>there are bytes after its last year</source>
        <translation>nach ihrem letzten Jahr folgen weitere Bytes</translation>
    </message>
</context>
<context>
    <name>RecurringPredactionsDialog</name>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>weeks</source>
        <translation>Wochen</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>The predaction interval is invalid.</source>
        <translation>Das Intervall der Planbuchungen ist ungültig.</translation>
    </message>
    <message>
        <source>Enter a number between 1 and %1.</source>
        <translation>Geben Sie eine Zahl zwischen 1 und %1 ein.</translation>
    </message>
    <message>
        <source>The last predaction occurs before the first predaction.</source>
        <translation>Die letzte Planbuchung liegt vor der ersten Planbuchung.</translation>
    </message>
    <message>
        <source>Change the first or the last predaction date.</source>
        <translation>Ändern Sie das Datum der ersten oder der letzten Planbuchung.</translation>
    </message>
    <message>
        <source>Predaction interval:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>First predaction:</source>
        <translation>Erste Planbuchung:</translation>
    </message>
    <message>
        <source>Last predaction:</source>
        <translation>Letzte Planbuchung:</translation>
    </message>
    <message>
        <source>Predaction amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Recurring Predactions</source>
        <translation>Wiederkehrende Planbuchungen</translation>
    </message>
</context>
<context>
    <name>RestoreVersionDialog</name>
    <message>
        <source>damaged: %1</source>
        <translation>beschädigt: %1</translation>
    </message>
    <message>
        <source>No earlier versions of %1 are kept.</source>
        <translation>Von %1 werden keine früheren Versionen aufbewahrt.</translation>
    </message>
    <message>
        <source>Versions of %1, newest first</source>
        <translation>Versionen von %1, neueste zuerst</translation>
    </message>
    <message>
        <source>Versions of</source>
        <translation>Versionen von</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Restore Earlier Version</source>
        <translation>Frühere Version wiederherstellen</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>The file %1 is read-only.
It was not changed.</source>
        <translation>Die Datei %1 ist schreibgeschützt.
Sie wurde nicht geändert.</translation>
    </message>
    <message>
        <source>- save it under another name with &quot;File|Save As...&quot;
- make the file writable and save again</source>
        <translation>- speichern Sie sie mit „Datei|Speichern unter...“ unter einem anderen Namen
- heben Sie den Schreibschutz der Datei auf und speichern Sie erneut</translation>
    </message>
    <message>
        <source>You may not change the file %1.
It was not changed.</source>
        <translation>Sie dürfen die Datei %1 nicht ändern.
Sie wurde nicht geändert.</translation>
    </message>
    <message>
        <source>- save it under another name with &quot;File|Save As...&quot;
- ask the owner of the file for the right to change it</source>
        <translation>- speichern Sie sie mit „Datei|Speichern unter...“ unter einem anderen Namen
- bitten Sie den Besitzer der Datei um das Recht, sie zu ändern</translation>
    </message>
    <message>
        <source>The folder of the file %1 does not accept new files, so the file cannot be saved there safely.
It was not changed.</source>
        <translation>Der Ordner der Datei %1 nimmt keine neuen Dateien an, daher kann die Datei dort nicht sicher gespeichert werden.
Sie wurde nicht geändert.</translation>
    </message>
    <message>
        <source>- save it under another name with &quot;File|Save As...&quot; in a folder of your own
- ask the owner of the folder for the right to create files in it</source>
        <translation>- speichern Sie sie mit „Datei|Speichern unter...“ unter einem anderen Namen in einem eigenen Ordner
- bitten Sie den Besitzer des Ordners um das Recht, darin Dateien anzulegen</translation>
    </message>
    <message>
        <source>There is not enough room on the disk to save the file %1.
It was not changed.</source>
        <translation>Auf dem Datenträger ist nicht genug Platz, um die Datei %1 zu speichern.
Sie wurde nicht geändert.</translation>
    </message>
    <message>
        <source>- delete some files on your disk
- save it under another name with &quot;File|Save As...&quot; on another disk</source>
        <translation>- löschen Sie einige Dateien auf Ihrem Datenträger
- speichern Sie sie mit „Datei|Speichern unter...“ unter einem anderen Namen auf einem anderen Datenträger</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.
Its folder does not exist, a folder has its name, or the name is not valid.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.
Ihr Ordner existiert nicht, ein Ordner trägt ihren Namen, oder der Name ist ungültig.</translation>
    </message>
    <message>
        <source>- save it under another name with &quot;File|Save As...&quot;</source>
        <translation>- speichern Sie sie mit „Datei|Speichern unter...“ unter einem anderen Namen</translation>
    </message>
    <message>
        <source>Saving the file %1 failed part way, and it could not be put back as it was.
Its previous version is kept in %2.</source>
        <translation>Das Speichern der Datei %1 ist mittendrin gescheitert, und sie konnte nicht wiederhergestellt werden.
Ihre vorige Version ist in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>- save the account under another name with &quot;File|Save As...&quot;
- copy %2 over %1 if you need the previous version</source>
        <translation>- speichern Sie das Konto mit „Datei|Speichern unter...“ unter einem anderen Namen
- kopieren Sie %2 über %1, wenn Sie die vorige Version brauchen</translation>
    </message>
    <message>
        <source>The file %1 was saved, but its previous version could not be kept in %2.</source>
        <translation>Die Datei %1 wurde gespeichert, aber ihre vorige Version konnte nicht in %2 aufbewahrt werden.</translation>
    </message>
    <message>
        <source>- make room on the disk so that the next save keeps the previous version</source>
        <translation>- schaffen Sie Platz auf dem Datenträger, damit das nächste Speichern die vorige Version aufbewahrt</translation>
    </message>
    <message>
        <source>Error writing to .PXF file. Possible causes:
- the disk is full
- there is no floppy in the drive
- the filename is invalid
- ...</source>
        <translation>Fehler beim Schreiben der .PXF-Datei. Mögliche Ursachen:
- der Datenträger ist voll
- es liegt keine Diskette im Laufwerk
- der Dateiname ist ungültig
- ...</translation>
    </message>
    <message>
        <source>- delete some files on your disk
- insert a floppy
- try a new file</source>
        <translation>- löschen Sie einige Dateien auf Ihrem Datenträger
- legen Sie eine Diskette ein
- versuchen Sie eine neue Datei</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>The character %1 can not be used.</source>
        <translation>Das Zeichen %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The number of decimals is invalid.</source>
        <translation>Die Anzahl der Dezimalstellen ist ungültig.</translation>
    </message>
    <message>
        <source>Enter a number between 0 and 4.</source>
        <translation>Geben Sie eine Zahl zwischen 0 und 4 ein.</translation>
    </message>
    <message>
        <source>The currency symbol is invalid.</source>
        <translation>Das Währungssymbol ist ungültig.</translation>
    </message>
    <message>
        <source>Enter 1, 2 or 3 characters.</source>
        <translation>Geben Sie 1, 2 oder 3 Zeichen ein.</translation>
    </message>
    <message>
        <source>The &apos; &apos;, &apos;,&apos; and &apos;.&apos; characters can not be used.</source>
        <translation>Die Zeichen &apos; &apos;, &apos;,&apos; und &apos;.&apos; können nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The date separator is invalid.</source>
        <translation>Das Datumstrennzeichen ist ungültig.</translation>
    </message>
    <message>
        <source>Enter 1 character that is not a number.</source>
        <translation>Geben Sie 1 Zeichen ein, das keine Ziffer ist.</translation>
    </message>
    <message>
        <source>Numbers and the &apos;+&apos; and &apos;-&apos; characters can not be used.</source>
        <translation>Ziffern und die Zeichen &apos;+&apos; und &apos;-&apos; können nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>mm/dd</source>
        <translation>MM/TT</translation>
    </message>
    <message>
        <source>dd/mm</source>
        <translation>TT/MM</translation>
    </message>
    <message>
        <source>Separator character:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>Currency Format</source>
        <translation>Währungsformat</translation>
    </message>
    <message>
        <source>Currency symbol:</source>
        <translation>Währungssymbol:</translation>
    </message>
    <message>
        <source>before</source>
        <translation>davor</translation>
    </message>
    <message>
        <source>after</source>
        <translation>danach</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerz.</translation>
    </message>
    <message>
        <source>Decimal symbol:</source>
        <translation>Dezimalzeichen:</translation>
    </message>
    <message>
        <source># of decimals:</source>
        <translation>Dezimalstellen:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Date &amp; Currency Settings</source>
        <translation>Datums- und Währungseinstellungen</translation>
    </message>
</context>
<context>
    <name>SolverDialog</name>
    <message>
        <source>%1 balance</source>
        <translation>Saldo
%1</translation>
    </message>
    <message>
        <source>%1 budget</source>
        <translation>Budget
%1</translation>
    </message>
    <message>
        <source>%1 surplus</source>
        <translation>Plus
%1</translation>
    </message>
    <message>
        <source>%1 deficit</source>
        <translation>Minus
%1</translation>
    </message>
    <message>
        <source>Transfer %1 surplus</source>
        <translation>Plus %1 übertragen</translation>
    </message>
    <message>
        <source>Enter an amount &lt;= %1</source>
        <translation>Geben Sie einen Betrag &lt;= %1 ein</translation>
    </message>
    <message>
        <source>Categories in surplus</source>
        <translation>Kategorien im Plus</translation>
    </message>
    <message>
        <source>xx/yy balance</source>
        <translation>Saldo
xx/yy</translation>
    </message>
    <message>
        <source>xx/yy budget</source>
        <translation>Budget
xx/yy</translation>
    </message>
    <message>
        <source>xx/yy surplus</source>
        <translation>Plus
xx/yy</translation>
    </message>
    <message>
        <source>XX/YY budget</source>
        <translation>Budget
XX/YY</translation>
    </message>
    <message>
        <source>XX/YY surplus</source>
        <translation>Plus
XX/YY</translation>
    </message>
    <message>
        <source>Solve for xx/yy</source>
        <translation>Ausgleichen zum xx/yy</translation>
    </message>
    <message>
        <source>Solve for XX/YY</source>
        <translation>Ausgleichen zum XX/YY</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Categories in deficit</source>
        <translation>Kategorien im Minus</translation>
    </message>
    <message>
        <source>xx/yy deficit</source>
        <translation>Minus
xx/yy</translation>
    </message>
    <message>
        <source>XX/YY deficit</source>
        <translation>Minus
XX/YY</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Ausgleich</translation>
    </message>
</context>
<context>
    <name>StatementError</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>- check that the file is a bank statement</source>
        <translation>- prüfen Sie, ob die Datei ein Kontoauszug ist</translation>
    </message>
    <message>
        <source>The statement %1 cannot be opened.</source>
        <translation>Der Kontoauszug %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>- check that the file exists
- check that you may read it</source>
        <translation>- prüfen Sie, ob die Datei existiert
- prüfen Sie, ob Sie sie lesen dürfen</translation>
    </message>
    <message>
        <source>The statement %1 cannot be read.
It is %2, not a file.</source>
        <translation>Der Kontoauszug %1 kann nicht gelesen werden.
Er ist %2, keine Datei.</translation>
    </message>
    <message>
        <source>- choose the file the bank wrote</source>
        <translation>- wählen Sie die Datei, die die Bank geschrieben hat</translation>
    </message>
    <message>
        <source>The statement %1 cannot be read.
It is larger than %2, which no bank statement is.</source>
        <translation>Der Kontoauszug %1 kann nicht gelesen werden.
Er ist größer als %2, was kein Kontoauszug ist.</translation>
    </message>
    <message>
        <source>- export a shorter period from the bank</source>
        <translation>- exportieren Sie bei der Bank einen kürzeren Zeitraum</translation>
    </message>
    <message>
        <source>The statement %1 cannot be read.
Line %2: </source>
        <translation>Der Kontoauszug %1 kann nicht gelesen werden.
Zeile %2: </translation>
    </message>
    <message>
        <source>- check that the file is complete</source>
        <translation>- prüfen Sie, ob die Datei vollständig ist</translation>
    </message>
    <message>
        <source>this is not a bank statement in the %1 format.</source>
        <translation>dies ist kein Kontoauszug im Format %1.</translation>
    </message>
    <message>
        <source>- choose the format the bank wrote it in</source>
        <translation>- wählen Sie das Format, in dem die Bank ihn geschrieben hat</translation>
    </message>
    <message>
        <source>the QIF type &quot;%1&quot; holds no bank transactions.</source>
        <translation>der QIF-Typ „%1“ enthält keine Bankbuchungen.</translation>
    </message>
    <message>
        <source>- export the transactions of a bank, cash or credit card account</source>
        <translation>- exportieren Sie die Buchungen eines Bank-, Bargeld- oder Kreditkartenkontos</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is missing.</source>
        <translation>die Spalte „%1“ fehlt.</translation>
    </message>
    <message>
        <source>- check the columns chosen for the statement</source>
        <translation>- prüfen Sie die für den Kontoauszug gewählten Spalten</translation>
    </message>
    <message>
        <source>- check the field separator</source>
        <translation>- prüfen Sie das Feldtrennzeichen</translation>
    </message>
    <message>
        <source>the element &lt;%1&gt; is missing.</source>
        <translation>das Element &lt;%1&gt; fehlt.</translation>
    </message>
    <message>
        <source>the transaction has no date.</source>
        <translation>die Buchung hat kein Datum.</translation>
    </message>
    <message>
        <source>the transaction has no amount.</source>
        <translation>die Buchung hat keinen Betrag.</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a date.</source>
        <translation>das Datum „%1“ ist kein Datum.</translation>
    </message>
    <message>
        <source>- check the date order chosen for the statement</source>
        <translation>- prüfen Sie das für den Kontoauszug gewählte Datumsformat</translation>
    </message>
    <message>
        <source>the amount &quot;%1&quot; is not a number.</source>
        <translation>der Betrag „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>- check the decimal symbol chosen for the statement</source>
        <translation>- prüfen Sie das für den Kontoauszug gewählte Dezimalzeichen</translation>
    </message>
    <message>
        <source>the amount &quot;%1&quot; is too big.</source>
        <translation>der Betrag „%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>- amounts above 999999999 cannot be imported</source>
        <translation>- Beträge über 999999999 können nicht importiert werden</translation>
    </message>
    <message>
        <source>the direction &quot;%1&quot; is neither money in nor money out.</source>
        <translation>die Richtung „%1“ ist weder Geldeingang noch Geldausgang.</translation>
    </message>
    <message>
        <source>- check the direction column chosen for the statement</source>
        <translation>- prüfen Sie die für den Kontoauszug gewählte Richtungsspalte</translation>
    </message>
    <message>
        <source>the elements are nested more than %1 deep.</source>
        <translation>die Elemente sind tiefer als %1 Ebenen verschachtelt.</translation>
    </message>
    <message>
        <source>- a bank&apos;s statement never nests its elements so deep</source>
        <translation>- der Kontoauszug einer Bank verschachtelt seine Elemente nie so tief</translation>
    </message>
    <message>
        <source>the element &lt;%1&gt; holds more text than a statement can.</source>
        <translation>das Element &lt;%1&gt; enthält mehr Text, als ein Kontoauszug enthalten kann.</translation>
    </message>
    <message>
        <source>- a bank&apos;s statement never holds so long a value</source>
        <translation>- der Kontoauszug einer Bank enthält nie einen so langen Wert</translation>
    </message>
    <message>
        <source>the statement holds more than %1 transactions.</source>
        <translation>der Kontoauszug enthält mehr als %1 Buchungen.</translation>
    </message>
    <message>
        <source>- import it in parts</source>
        <translation>- importieren Sie ihn in Teilen</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>etwas anderes</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
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
    <name>TransactionsDialog</name>
    <message>
        <source>Transaction Balance</source>
        <translation>Saldo Buchungen</translation>
    </message>
    <message>
        <source>Predaction Balance</source>
        <translation>Saldo Planbuchungen</translation>
    </message>
    <message>
        <source>It is probably not a good idea to add a transaction to a past year (%1).
Do you want to cancel this operation?</source>
        <translation>Es ist wahrscheinlich keine gute Idee, eine Buchung zu einem vergangenen Jahr (%1) hinzuzufügen.
Möchten Sie diesen Vorgang abbrechen?</translation>
    </message>
    <message>
        <source>No category selected.</source>
        <translation>Keine Kategorie ausgewählt.</translation>
    </message>
    <message>
        <source>Choose a category, or press &quot;Categories&quot; to define one.</source>
        <translation>Wählen Sie eine Kategorie, oder klicken Sie auf „Kategorien“, um eine anzulegen.</translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 angezeigt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>Z&amp;uordnen</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Balance Date</source>
        <translation>Stichtag</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
</context>
<context>
    <name>UndoStep</name>
    <message>
        <source>Import Statement</source>
        <translation>Kontoauszug importieren</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Functional Areas</source>
        <translation>Funktionsbereiche</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Solver</source>
        <translation>Ausgleich</translation>
    </message>
    <message>
        <source>Budget Wizard</source>
        <translation>Budget-Assistent</translation>
    </message>
    <message>
        <source>Change Year</source>
        <translation>Jahr wechseln</translation>
    </message>
    <message>
        <source>Budget Report</source>
        <translation>Budgetbericht</translation>
    </message>
</context>
</TS>
