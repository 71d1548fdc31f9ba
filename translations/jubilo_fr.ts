<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>guest</source>
        <translation>un invité</translation>
    </message>
    <message>
        <source>music</source>
        <translation>une musique</translation>
    </message>
    <message>
        <source>decoration</source>
        <translation>une décoration</translation>
    </message>
    <message>
        <source>food and drinks</source>
        <translation>un plat ou une boisson</translation>
    </message>
    <message>
        <source>ingredient</source>
        <translation>un ingrédient</translation>
    </message>
    <message>
        <source>other supply</source>
        <translation>une fourniture</translation>
    </message>
    <message>
        <source>incidental</source>
        <translation>des frais divers</translation>
    </message>
    <message>
        <source>task</source>
        <translation>une tâche</translation>
    </message>
    <message>
        <source>activity</source>
        <translation>une activité</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>%1 budget</source>
        <extracomment>A budget box&apos;s name for screen readers; %1 is the list&apos;s name (&quot;Music&quot;).</extracomment>
        <translation>Budget %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <extracomment>An Add button&apos;s name for screen readers; %1 is what one row is (&quot;guest&quot;).</extracomment>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <extracomment>A Delete button&apos;s name for screen readers; %1 is what one row is (&quot;guest&quot;).</extracomment>
        <translation>Supprimer %1</translation>
    </message>
</context>
<context>
    <name>Answers</name>
    <message>
        <source>Yes</source>
        <extracomment>A Yes/No column&apos;s answer, as the lists and their drop-downs show it.</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A Yes/No column&apos;s answer, as the lists and their drop-downs show it.</extracomment>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>BitmapPicture</name>
    <message>
        <source>The picture is empty</source>
        <translation>L’image est vide</translation>
    </message>
    <message>
        <source>There is not enough memory for a %1 x %2 picture</source>
        <extracomment>%1 and %2 are the picture&apos;s width and height in pixels.</extracomment>
        <translation>La mémoire est insuffisante pour une image de %1 x %2</translation>
    </message>
</context>
<context>
    <name>BudgetTips</name>
    <message>
        <source>&quot;%1&quot; does not read as an amount, so this list has no budget in the plan&apos;s figures. The text is kept as typed.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas reconnu comme un montant&#xa0;: cette liste n’a donc pas de budget dans les chiffres du projet. Le texte est conservé tel que vous l’avez saisi.</translation>
    </message>
</context>
<context>
    <name>ChartSaving</name>
    <message>
        <source>PNG Images</source>
        <translation>Images PNG</translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation>Enregistrer le graphique en PNG</translation>
    </message>
    <message>
        <source>Plan at a Glance</source>
        <translation>Vue d’ensemble du projet</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation>Le graphique n’a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The chart could not be made into a PNG picture.</source>
        <translation>Le graphique n’a pas pu être converti en image PNG.</translation>
    </message>
    <message>
        <source>The chart is saved as %1.</source>
        <translation>Le graphique est enregistré sous %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--json goes only with --summary</source>
        <translation>--json ne s’emploie qu’avec --summary</translation>
    </message>
    <message>
        <source>the plan file&apos;s name is empty</source>
        <translation>le nom du fichier de projet est vide</translation>
    </message>
    <message>
        <source>the party&apos;s date &quot;%1&quot; does not read as a date; type one in the window&apos;s Date box, as 12/24/2026</source>
        <translation>la date de la fête «&#xa0;%1&#xa0;» n’est pas reconnue comme une date&#xa0;; saisissez-en une dans le champ Date de la fenêtre, par exemple 24/12/2026</translation>
    </message>
    <message>
        <source>standard output could not be written</source>
        <translation>la sortie standard n’a pas pu être écrite</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>%1 needs the name of the file to write</source>
        <extracomment>%1 is the option, as --pdf.</extracomment>
        <translation>%1 attend le nom du fichier à écrire</translation>
    </message>
    <message>
        <source>warning: the stored %1 list holds %2 rows; a list holds at most %3, so the sheet shows only the first %3.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows stored, %3 the most a list holds.</extracomment>
        <translation>avertissement&#xa0;: la liste «&#xa0;%1&#xa0;» enregistrée contient %2 lignes&#xa0;; une liste en contient au plus %3, la feuille n’affiche donc que les %3 premières.</translation>
    </message>
    <message>
        <source>warning: the stored %1 list holds %2 rows; a list holds at most %3, so the summary counts only the first %3.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows stored, %3 the most a list holds.</extracomment>
        <translation>avertissement&#xa0;: la liste «&#xa0;%1&#xa0;» enregistrée contient %2 lignes&#xa0;; une liste en contient au plus %3, le résumé ne compte donc que les %3 premières.</translation>
    </message>
    <message>
        <source>warning: the stored %1 list holds %2 rows; a list holds at most %3, so the timetable holds only the first %3.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows stored, %3 the most a list holds.</extracomment>
        <translation>avertissement&#xa0;: la liste «&#xa0;%1&#xa0;» enregistrée contient %2 lignes&#xa0;; une liste en contient au plus %3, le programme de la fête ne reprend donc que les %3 premières.</translation>
    </message>
    <message>
        <source>The timetable was not written to %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason.</extracomment>
        <translation>Le programme de la fête n’a pas été écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>the window is not opened from here</source>
        <translation>la fenêtre ne peut pas être ouverte d’ici</translation>
    </message>
    <message>
        <source>--lang needs a language, such as de or fr_CA</source>
        <translation>--lang attend une langue, par exemple de ou fr_CA</translation>
    </message>
    <message>
        <source>--lang: %1 is not a language</source>
        <extracomment>%1 is what the user typed after --lang.</extracomment>
        <translation>--lang&#xa0;: %1 n’est pas une langue</translation>
    </message>
    <message>
        <source>Usage: jubilo [PLAN]              open the window to plan the party
       jubilo --pdf FILE [PLAN]   write the plan&apos;s sheet to FILE as a PDF
       jubilo --xls FILE [PLAN]   write the plan&apos;s workbook to FILE (Excel 97 .xls)
       jubilo --summary [PLAN]    print the plan&apos;s guests, spending and what is
                                  still to buy, a line for each money list
       jubilo --summary --json [PLAN]
                                  the same figures as one JSON object
       jubilo --ics FILE [PLAN]   write the schedule and the activities at the
                                  party to FILE as calendar events (iCalendar)
       jubilo --version           show the program&apos;s version
       jubilo --help              show this help
Any of these may start with --lang LANGUAGE (de, fr, es, en_GB...) to
speak that language and use its money and dates for this run.

PLAN is a plan file (*.jubilo); without one, the stored plan
(~/.config/Tarvel.ini) is used.

--pdf, --xls, --ics and --summary show no window and need no display.
They only read the plan; --pdf, --xls and --ics replace FILE once the
new one is complete.

Exit status: 0 done; 1 the plan could not be read, its date does not read
as a date or no row has a time (--ics), or the file or the output could
not be built or written; 2 the command line is none of the forms above.
</source>
        <extracomment>Keep the command lines, option names, PLAN and FILE as they are; lines of about 80 characters.</extracomment>
        <translation>Usage&#xa0;: jubilo [PROJET]                ouvre la fenêtre pour organiser la fête
        jubilo --pdf FICHIER [PROJET]  écrit la feuille du projet dans FICHIER,
                                       au format PDF
        jubilo --xls FICHIER [PROJET]  écrit le classeur du projet dans FICHIER
                                       (Excel 97 .xls)
        jubilo --summary [PROJET]      affiche les invités du projet, ses
                                       dépenses et ce qui reste à acheter, une
                                       ligne par liste de dépenses
        jubilo --summary --json [PROJET]
                                       les mêmes chiffres en un seul objet JSON
        jubilo --ics FICHIER [PROJET]  écrit le planning et les activités
                                       pendant la fête dans FICHIER, sous forme
                                       d’événements d’agenda (iCalendar)
        jubilo --version               affiche la version du programme
        jubilo --help                  affiche cette aide
Chacune de ces formes peut commencer par --lang LANGUE (de, fr, es, en_GB...)
pour utiliser cette langue, avec ses formats de monnaie et de date, le temps
de cette exécution.

PROJET est un fichier de projet (*.jubilo)&#xa0;; sans lui, le projet enregistré
(~/.config/Tarvel.ini) est utilisé.

--pdf, --xls, --ics et --summary n’ouvrent aucune fenêtre et fonctionnent
sans affichage graphique. Ils ne font que lire le projet&#xa0;; --pdf, --xls et
--ics ne remplacent FICHIER qu’une fois le nouveau fichier complet.

Code de sortie&#xa0;: 0 terminé&#xa0;; 1 le projet n’a pas pu être lu, sa date n’est
pas reconnue comme une date ou aucune ligne n’a d’heure (--ics), ou le
fichier ou la sortie n’a pas pu être produit ou écrit&#xa0;; 2 la ligne de
commande ne correspond à aucune des formes ci-dessus.
</translation>
    </message>
</context>
<context>
    <name>CursorFile</name>
    <message>
        <source>The file is not a cursor file</source>
        <translation>Le fichier n’est pas un fichier de curseur</translation>
    </message>
    <message>
        <source>The cursor file could not be opened: %1</source>
        <translation>Le fichier de curseur n’a pas pu être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>The cursor file could not be read: %1</source>
        <translation>Le fichier de curseur n’a pas pu être lu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DelimitedReader</name>
    <message>
        <source>a quoted field is never closed</source>
        <translation>un champ entre guillemets n’est jamais fermé</translation>
    </message>
    <message>
        <source>a quote stands inside an unquoted field</source>
        <translation>un guillemet se trouve dans un champ qui n’est pas entre guillemets</translation>
    </message>
    <message>
        <source>a field is longer than 1 MB</source>
        <translation>un champ dépasse 1 Mo</translation>
    </message>
    <message>
        <source>a row is longer than 4 MB</source>
        <translation>une ligne dépasse 4 Mo</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>la mémoire est insuffisante pour lire le texte</translation>
    </message>
</context>
<context>
    <name>EntryReminders</name>
    <message>
        <source>You forgot to input all entries for guest.</source>
        <translation>Vous n’avez pas rempli tous les champs de l’invité.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for music.</source>
        <translation>Vous n’avez pas rempli tous les champs de la musique.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for decorations.</source>
        <translation>Vous n’avez pas rempli tous les champs de la décoration.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for incidentals.</source>
        <translation>Vous n’avez pas rempli tous les champs des frais divers.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for ingredients.</source>
        <translation>Vous n’avez pas rempli tous les champs de l’ingrédient.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for other supplies.</source>
        <translation>Vous n’avez pas rempli tous les champs de la fourniture.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for schedules.</source>
        <translation>Vous n’avez pas rempli tous les champs de la tâche.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for activities.</source>
        <translation>Vous n’avez pas rempli tous les champs de l’activité.</translation>
    </message>
    <message>
        <source>You forgot to input all entries for food.</source>
        <translation>Vous n’avez pas rempli tous les champs du plat ou de la boisson.</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>at line %1</source>
        <extracomment>Follows the name of the failing procedure; %1 is the number of the step that failed.</extracomment>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>%1 is the support mail address.</extracomment>
        <translation>Envoyez une capture d’écran de ce message à %1</translation>
    </message>
</context>
<context>
    <name>ErrorTrap</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>ExportSaving</name>
    <message>
        <source>The file could not be written to %1: %2</source>
        <translation>Le fichier n’a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>FigureTexts</name>
    <message>
        <source>1 guest</source>
        <translation>1 invité</translation>
    </message>
    <message>
        <source>%1 guests</source>
        <translation>%1 invités</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 article</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 articles</translation>
    </message>
    <message>
        <source>1 person</source>
        <translation>1 personne</translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation>%1 personnes</translation>
    </message>
    <message>
        <source>%1 spent, no budget</source>
        <translation>%1 dépensés, pas de budget</translation>
    </message>
    <message>
        <source>⚠ %1 of %2 spent, %3 over budget</source>
        <translation>⚠ %1 dépensés sur %2, budget dépassé de %3</translation>
    </message>
    <message>
        <source>%1 of %2 spent</source>
        <translation>%1 dépensés sur %2</translation>
    </message>
    <message>
        <source>%1 still to buy</source>
        <translation>%1 à acheter</translation>
    </message>
    <message>
        <source>%1, %2 coming</source>
        <translation>%1 (présentes&#xa0;: %2)</translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Créer la feuille de calcul</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Load Sample/Example Data</source>
        <translation>Charger des données d’exemple</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
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
        <source>RSVP:</source>
        <translation>Présent&#xa0;:</translation>
    </message>
    <message>
        <source>Number in Party:</source>
        <translation>Personnes&#xa0;:</translation>
    </message>
    <message>
        <source>Music Type:</source>
        <translation>Genre&#xa0;:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Purchased:</source>
        <translation>Acheté&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nombre&#xa0;:</translation>
    </message>
    <message>
        <source>Food and Drinks Name:</source>
        <translation>Plat ou boisson&#xa0;:</translation>
    </message>
    <message>
        <source>Budget:</source>
        <translation>Budget&#xa0;:</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingrédients</translation>
    </message>
    <message>
        <source>Ingredients:</source>
        <translation>Ingrédient&#xa0;:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Task:</source>
        <translation>Tâche&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Heure&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Activity:</source>
        <translation>Activité&#xa0;:</translation>
    </message>
    <message>
        <source>Guests</source>
        <translation>Invités</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Décorations</translation>
    </message>
    <message>
        <source>Incidentals</source>
        <translation>Frais divers</translation>
    </message>
    <message>
        <source>Food &amp;&amp; Drinks</source>
        <translation>Plats et boissons</translation>
    </message>
    <message>
        <source>Other Supplies</source>
        <translation>Autres fournitures</translation>
    </message>
    <message>
        <source>Schedules</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>At The Party</source>
        <translation>Pendant la fête</translation>
    </message>
</context>
<context>
    <name>GlanceTexts</name>
    <message>
        <source>%1 · %2 invited, %3 coming</source>
        <translation>%1 · %2 au total (présentes&#xa0;: %3)</translation>
    </message>
    <message>
        <source>1 guest without a number in their party is not counted</source>
        <translation>1 invité sans nombre de personnes n’est pas compté</translation>
    </message>
    <message>
        <source>%1 guests without a number in their party are not counted</source>
        <translation>%1 invités sans nombre de personnes ne sont pas comptés</translation>
    </message>
    <message>
        <source>no budget</source>
        <translation>pas de budget</translation>
    </message>
    <message>
        <source>⚠ %1 over</source>
        <translation>⚠ dépassé de %1</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>GuestCsv</name>
    <message>
        <source>tab-separated</source>
        <translation>séparé par des tabulations</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>séparé par des points-virgules</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>séparé par des virgules</translation>
    </message>
    <message>
        <source>it has more than %1 columns</source>
        <translation>elle compte plus de %1 colonnes</translation>
    </message>
    <message>
        <source>the file holds more than %L1 guests, more than a list holds</source>
        <translation>le fichier contient plus de %L1 invités, plus qu’une liste ne peut en contenir</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>it holds no guests</source>
        <translation>il ne contient aucun invité</translation>
    </message>
    <message>
        <source>CSV, %1, %2, with a header row</source>
        <translation>CSV, %1, %2, avec ligne d’en-tête</translation>
    </message>
    <message>
        <source>CSV, %1, %2, without a header row</source>
        <translation>CSV, %1, %2, sans ligne d’en-tête</translation>
    </message>
</context>
<context>
    <name>GuestVCard</name>
    <message>
        <source>(no address)</source>
        <translation>(sans adresse)</translation>
    </message>
    <message>
        <source>it is outside any card (a card starts with BEGIN:VCARD)</source>
        <translation>elle se trouve en dehors de toute carte (une carte commence par BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>it is written in quoted-printable (vCard 2.1), which Jubilo does not read; please export the contacts as vCard 3.0 or 4.0</source>
        <translation>elle est écrite en quoted-printable (vCard 2.1), que Jubilo ne lit pas&#xa0;; exportez les contacts au format vCard 3.0 ou 4.0</translation>
    </message>
    <message>
        <source>a card begins inside another card</source>
        <translation>une carte commence à l’intérieur d’une autre carte</translation>
    </message>
    <message>
        <source>the card that starts here has no name (neither FN nor N)</source>
        <translation>la carte qui commence ici n’a pas de nom (ni FN ni N)</translation>
    </message>
    <message>
        <source>the file holds more than %L1 guests, more than a list holds</source>
        <translation>le fichier contient plus de %L1 invités, plus qu’une liste ne peut en contenir</translation>
    </message>
    <message>
        <source>the card that starts here never ends (END:VCARD is missing)</source>
        <translation>la carte qui commence ici ne se termine jamais (END:VCARD manque)</translation>
    </message>
    <message>
        <source>it holds no guests</source>
        <translation>il ne contient aucun invité</translation>
    </message>
    <message>
        <source>vCard %1, %2</source>
        <translation>vCard %1, %2</translation>
    </message>
    <message>
        <source>Name (FN or N)</source>
        <translation>Nom (FN ou N)</translation>
    </message>
    <message>
        <source>Address (first ADR)</source>
        <translation>Adresse (premier ADR)</translation>
    </message>
    <message>
        <source>Cards without an address: %L1. Their &quot;Address&quot; reads &quot;%2&quot;; change it in the list.</source>
        <translation>Cartes sans adresse&#xa0;: %L1. Leur «&#xa0;Adresse&#xa0;» indique «&#xa0;%2&#xa0;»&#xa0;; modifiez-la dans la liste.</translation>
    </message>
    <message>
        <source>the line is longer than %1 MB</source>
        <translation>la ligne dépasse %1 Mo</translation>
    </message>
</context>
<context>
    <name>ImportError</name>
    <message>
        <source>Guests cannot be imported from &quot;%1&quot;: %2.</source>
        <translation>Impossible d’importer des invités depuis «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Guests cannot be imported from &quot;%1&quot;: line %2: %3.</source>
        <translation>Impossible d’importer des invités depuis «&#xa0;%1&#xa0;»&#xa0;: ligne %2&#xa0;: %3.</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is not there (it may have been moved or deleted)</source>
        <translation>le fichier n’existe pas (il a peut-être été déplacé ou supprimé)</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
</context>
<context>
    <name>ListExport</name>
    <message>
        <source>CSV Files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>iCalendar Files</source>
        <translation>Fichiers iCalendar</translation>
    </message>
    <message>
        <source>Export Timetable</source>
        <translation>Exporter le programme de la fête</translation>
    </message>
    <message>
        <source>The party&apos;s date &quot;%1&quot; does not read as a date. On which day is the party?</source>
        <translation>La date de la fête «&#xa0;%1&#xa0;» n’est pas reconnue comme une date. Quel jour a lieu la fête&#xa0;?</translation>
    </message>
    <message>
        <source>The timetable is saved as %1.</source>
        <translation>Le programme de la fête est enregistré sous %1.</translation>
    </message>
    <message>
        <source>Saves the list on show (the tab chosen last) as a CSV file for spreadsheet programs</source>
        <translation>Enregistre la liste affichée (celle de l’onglet choisi en dernier) dans un fichier CSV pour les tableurs</translation>
    </message>
    <message>
        <source>Saves Schedules and At The Party as calendar events on the party&apos;s date (an .ics file)</source>
        <translation>Enregistre les listes «&#xa0;Planning&#xa0;» et «&#xa0;Pendant la fête&#xa0;» comme événements d’agenda à la date de la fête (un fichier .ics)</translation>
    </message>
    <message>
        <source>Export List as CSV</source>
        <translation>Exporter la liste en CSV</translation>
    </message>
    <message>
        <source>The %1 list is saved as %2.</source>
        <translation>La liste «&#xa0;%1&#xa0;» est enregistrée sous %2.</translation>
    </message>
    <message>
        <source>Party Timetable</source>
        <translation>Programme de la fête</translation>
    </message>
</context>
<context>
    <name>ListNames</name>
    <message>
        <source>At The Party</source>
        <translation>Pendant la fête</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page margins leave no room to print: they take %1 by %2 inches of paper %3 by %4 inches</source>
        <translation>Les marges ne laissent aucune place pour imprimer&#xa0;: elles occupent %1 × %2 pouces d’une feuille de %3 × %4 pouces</translation>
    </message>
    <message>
        <source>The sheet would print on %1 pages (%2 across, %3 down); at most %4 pages print. A smaller print area or zoom, or narrower margins, print fewer.</source>
        <translation>La feuille s’imprimerait sur %1 pages (%2 en largeur, %3 en hauteur)&#xa0;; %4 pages au plus peuvent être imprimées. Une zone d’impression ou un zoom plus petits, ou des marges plus étroites, réduisent le nombre de pages.</translation>
    </message>
</context>
<context>
    <name>PagePrinting</name>
    <message>
        <source>The printer could not be started</source>
        <translation>L’imprimante n’a pas pu être démarrée</translation>
    </message>
    <message>
        <source>The printer could not start a new page</source>
        <translation>L’imprimante n’a pas pu commencer une nouvelle page</translation>
    </message>
    <message>
        <source>The printer reported an error; the pages may not have printed</source>
        <translation>L’imprimante a signalé une erreur&#xa0;; les pages n’ont peut-être pas été imprimées</translation>
    </message>
</context>
<context>
    <name>PartyTimetable</name>
    <message>
        <source>No row of Schedules or At The Party has a time that reads as a time, so there is no timetable to export.</source>
        <translation>Aucune ligne des listes «&#xa0;Planning&#xa0;» et «&#xa0;Pendant la fête&#xa0;» n’a une heure reconnue comme telle&#xa0;: il n’y a donc pas de programme à exporter.</translation>
    </message>
    <message>
        <source>%1 row %2 &quot;%3&quot;</source>
        <translation>%1, ligne %2 («&#xa0;%3&#xa0;»)</translation>
    </message>
    <message>
        <source>1 row is left out because its time does not read as a time: %1</source>
        <translation>Une ligne est laissée de côté, car son heure n’est pas reconnue comme une heure&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 rows are left out because their time does not read as a time: %2</source>
        <translation>%1 lignes sont laissées de côté, car leur heure n’est pas reconnue comme une heure&#xa0;: %2</translation>
    </message>
    <message>
        <source>, and %1 more</source>
        <translation> et %1 de plus</translation>
    </message>
</context>
<context>
    <name>PastedRows</name>
    <message>
        <source>it starts a quoted cell that is never closed</source>
        <translation>elle ouvre une cellule entre guillemets qui n’est jamais fermée</translation>
    </message>
    <message>
        <source>it has a quote inside a cell that is not quoted</source>
        <translation>elle contient un guillemet dans une cellule qui n’est pas entre guillemets</translation>
    </message>
    <message>
        <source>it has a cell longer than 1 MB</source>
        <translation>elle contient une cellule de plus de 1 Mo</translation>
    </message>
    <message>
        <source>it has a row longer than 4 MB</source>
        <translation>elle fait partie d’une ligne de tableau de plus de 4 Mo</translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation>la mémoire est insuffisante pour lire le texte</translation>
    </message>
    <message>
        <source>it would make the %1 list longer than the %2 rows a list holds</source>
        <translation>elle rendrait la liste «&#xa0;%1&#xa0;» plus longue que les %2 lignes qu’une liste peut contenir</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>you have no permission to read it</source>
        <translation>vous n’avez pas l’autorisation de le lire</translation>
    </message>
    <message>
        <source>there is no file by that name</source>
        <translation>aucun fichier ne porte ce nom</translation>
    </message>
    <message>
        <source>it is a link to a file that is not there (moved or deleted)</source>
        <translation>c’est un lien vers un fichier qui n’existe pas (déplacé ou supprimé)</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation>ce n’est pas un fichier ordinaire, mais un périphérique, un tube ou un socket</translation>
    </message>
    <message>
        <source>it holds %1 MB, far more than any plan (a plan file holds at most %2 MB)</source>
        <translation>il fait %1 Mo, bien plus que n’importe quel projet (un fichier de projet fait au plus %2 Mo)</translation>
    </message>
    <message>
        <source>it is not text but binary data (a NUL byte at offset %1)</source>
        <translation>ce n’est pas du texte, mais des données binaires (un octet NUL à la position %1)</translation>
    </message>
    <message>
        <source>it is not text in UTF-8, the encoding plan files are written in</source>
        <translation>ce n’est pas du texte en UTF-8, l’encodage des fichiers de projet</translation>
    </message>
    <message>
        <source>line %1 is neither blank, a ; comment, a [group] nor a key=value line</source>
        <translation>la ligne %1 n’est ni vide, ni un commentaire «&#xa0;;&#xa0;», ni un [groupe], ni une ligne clé=valeur</translation>
    </message>
    <message>
        <source>it holds lines that cannot be read as settings</source>
        <translation>il contient des lignes qui ne peuvent pas être lues comme des réglages</translation>
    </message>
    <message>
        <source>it holds no [%1] group, so it holds no plan</source>
        <translation>il ne contient pas de groupe [%1], et donc aucun projet</translation>
    </message>
    <message>
        <source>Jubilo could not open the plan file %1: %2.</source>
        <translation>Jubilo n’a pas pu ouvrir le fichier de projet %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The plan file %1 had lines that could not be read. Jubilo keeps what it could read and writes the file afresh, so those lines will be gone from it.

A copy of the file as it was is kept in %2.</source>
        <translation>Le fichier de projet %1 contenait des lignes illisibles. Jubilo garde ce qu’il a pu lire et réécrit entièrement le fichier&#xa0;: ces lignes n’y figureront plus.

Une copie du fichier tel qu’il était est conservée dans %2.</translation>
    </message>
    <message>
        <source>Another program changed the plan file %1 while Jubilo had it open, and Jubilo now writes a value that program changed. Jubilo keeps its own value and the rest of the other program&apos;s changes.

A copy of the file as the other program left it is kept in %2.</source>
        <translation>Un autre programme a modifié le fichier de projet %1 pendant que Jubilo l’avait ouvert, et Jubilo écrit maintenant une valeur que ce programme a modifiée. Jubilo garde sa propre valeur et le reste des modifications de l’autre programme.

Une copie du fichier tel que l’autre programme l’a laissé est conservée dans %2.</translation>
    </message>
    <message>
        <source>Jubilo found changes to the plan file %1 in the journal it keeps beside it, but the file is no longer the one they were made to (another program replaced it), so they were not applied and the plan stays as the file holds it.

A copy of the journal with those changes is kept in %2.</source>
        <translation>Jubilo a trouvé des modifications du fichier de projet %1 dans le journal qu’il tient à côté de celui-ci, mais ce n’est plus le fichier auquel elles ont été apportées (un autre programme l’a remplacé)&#xa0;: elles n’ont donc pas été appliquées et le projet reste tel que le fichier le contient.

Une copie du journal avec ces modifications est conservée dans %2.</translation>
    </message>
    <message>
        <source>The plan file %1 could not be written: %2.</source>
        <translation>Le fichier de projet %1 n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The plan file %1 could not be read: %2.</source>
        <translation>Le fichier de projet %1 n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The plan file has lines that could not be read, and no copy of it could be kept, so it was not written: %1</source>
        <translation>Le fichier de projet contient des lignes illisibles et aucune copie n’a pu en être conservée&#xa0;; il n’a donc pas été écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>The plan file was changed by another program, and no copy of it could be kept, so it was not written: %1</source>
        <translation>Le fichier de projet a été modifié par un autre programme et aucune copie n’a pu en être conservée&#xa0;; il n’a donc pas été écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>The plan file&apos;s journal holds changes that are not in the file, and no copy of it could be kept, so the file was not written: %1</source>
        <translation>Le journal du fichier de projet contient des modifications absentes du fichier et aucune copie du journal n’a pu être conservée&#xa0;; le fichier n’a donc pas été écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>The plan file %1 is no longer there: it was moved or deleted while Jubilo had it open. Nothing in the window is lost; use File &gt; Save Plan As… to keep the plan.</source>
        <translation>Le fichier de projet %1 n’existe plus&#xa0;: il a été déplacé ou supprimé pendant que Jubilo l’avait ouvert. Rien n’est perdu dans la fenêtre&#xa0;; utilisez Fichier &gt; Enregistrer le projet sous… pour conserver le projet.</translation>
    </message>
    <message>
        <source>The plan file %1 is read-only: you may not change it or the folder it is in. Nothing in the window is lost; use File &gt; Save Plan As… to keep the plan in a file of your own.</source>
        <translation>Le fichier de projet %1 est en lecture seule&#xa0;: vous n’avez pas le droit de le modifier, ni le dossier qui le contient. Rien n’est perdu dans la fenêtre&#xa0;; utilisez Fichier &gt; Enregistrer le projet sous… pour conserver le projet dans votre propre fichier.</translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>The plan %1 is read-only: you can look at it and print it, but changes to it cannot be kept. To change it, save a copy with File &gt; Save Plan As…</source>
        <translation>Le projet %1 est en lecture seule&#xa0;: vous pouvez le consulter et l’imprimer, mais ses modifications ne peuvent pas être conservées. Pour le modifier, enregistrez-en une copie avec Fichier &gt; Enregistrer le projet sous…</translation>
    </message>
    <message>
        <source>Jubilo Plans</source>
        <translation>Projets Jubilo</translation>
    </message>
    <message>
        <source>The plan %1 is open in another Jubilo: switch to that window to work on it.</source>
        <translation>Le projet %1 est ouvert dans une autre instance de Jubilo&#xa0;: passez à cette fenêtre pour y travailler.</translation>
    </message>
    <message>
        <source>%1 is the plan open now: choose another name.</source>
        <translation>%1 est le projet actuellement ouvert&#xa0;: choisissez un autre nom.</translation>
    </message>
    <message>
        <source>New Plan</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>New Plan From This One</source>
        <translation>Nouveau projet à partir de celui-ci</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Enregistrer le projet sous</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>The plan %1 is no longer there: it was moved or deleted, so it is taken off the list of recent plans.</source>
        <translation>Le projet %1 n’existe plus&#xa0;: il a été déplacé ou supprimé&#xa0;; il est donc retiré de la liste des projets récents.</translation>
    </message>
</context>
<context>
    <name>PlanLock</name>
    <message>
        <source>The lock file %1 cannot be taken: %2.</source>
        <translation>Impossible d’obtenir le fichier de verrou %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>another program keeps replacing it</source>
        <translation>un autre programme ne cesse de le remplacer</translation>
    </message>
    <message>
        <source>Jubilo ends now: without its lock, a second Jubilo could write over this plan. Remove what stands at that name or make its folder writable, then start Jubilo again.</source>
        <translation>Jubilo s’arrête maintenant&#xa0;: sans son verrou, une seconde instance de Jubilo pourrait écraser ce projet. Supprimez ce qui porte ce nom ou rendez son dossier accessible en écriture, puis relancez Jubilo.</translation>
    </message>
    <message>
        <source>Jubilo is already open.</source>
        <translation>Jubilo est déjà ouvert.</translation>
    </message>
</context>
<context>
    <name>PlanMenus</name>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Plan…</source>
        <translation>&amp;Nouveau projet…</translation>
    </message>
    <message>
        <source>New Plan &amp;From This One…</source>
        <translation>Nouveau projet à &amp;partir de celui-ci…</translation>
    </message>
    <message>
        <source>&amp;Open Plan…</source>
        <translation>&amp;Ouvrir un projet…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un projet &amp;récent</translation>
    </message>
    <message>
        <source>Save Plan &amp;As…</source>
        <translation>Enregistrer le projet &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Import Guests…</source>
        <translation>&amp;Importer des invités…</translation>
    </message>
    <message>
        <source>&amp;Export List as CSV…</source>
        <translation>&amp;Exporter la liste en CSV…</translation>
    </message>
    <message>
        <source>Export &amp;Timetable…</source>
        <translation>Exporter le pro&amp;gramme de la fête…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
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
        <source>&amp;Copy Rows</source>
        <translation>&amp;Copier les lignes</translation>
    </message>
    <message>
        <source>&amp;Paste Rows</source>
        <translation>Co&amp;ller les lignes</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Plan at a &amp;Glance</source>
        <translation>&amp;Vue d’ensemble du projet</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Jubilo</source>
        <translation>À &amp;propos de Jubilo</translation>
    </message>
</context>
<context>
    <name>PlanSheet</name>
    <message>
        <source>Guests</source>
        <translation>Invités</translation>
    </message>
    <message>
        <source>Address Invitation Was Sent To</source>
        <translation>Adresse d’envoi de l’invitation</translation>
    </message>
    <message>
        <source>RSVP?</source>
        <translation>Présent&#xa0;?</translation>
    </message>
    <message>
        <source>Number in Party</source>
        <translation>Nombre de personnes</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Purchased?</source>
        <translation>Acheté&#xa0;?</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Décorations</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Food and Drinks</source>
        <translation>Plats et boissons</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingrédients</translation>
    </message>
    <message>
        <source>Other Supplies</source>
        <translation>Autres fournitures</translation>
    </message>
    <message>
        <source>Incidentals</source>
        <translation>Frais divers</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>At The Party</source>
        <translation>Pendant la fête</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Budget: %1</source>
        <extracomment>A list&apos;s budget over its amounts on the plan sheet; %1 is the budget as the user typed it, with the currency symbol on its side (&quot;$500&quot;, &quot;500 €&quot;).</extracomment>
        <translation>Budget&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>Holiday Party Plans</source>
        <translation>Préparatifs de la fête</translation>
    </message>
</context>
<context>
    <name>PlanSummaryText</name>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, reste %2</translation>
    </message>
    <message>
        <source>Guests: %1 (%2, %3 coming)</source>
        <translation>Invités&#xa0;: %1 (%2, présentes&#xa0;: %3)</translation>
    </message>
    <message>
        <source>Guests: %1 (%2, %3 coming; %4 without a number in their party)</source>
        <translation>Invités&#xa0;: %1 (%2, présentes&#xa0;: %3&#xa0;; %4 sans nombre de personnes)</translation>
    </message>
    <message>
        <source>nothing still to buy</source>
        <translation>plus rien à acheter</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <translation>%1&#xa0;: %2&#xa0;; %3</translation>
    </message>
    <message>
        <source>%1; %2 without an amount</source>
        <translation>%1&#xa0;; %2 sans montant</translation>
    </message>
    <message>
        <source>Whole party</source>
        <translation>Toute la fête</translation>
    </message>
</context>
<context>
    <name>PlanTables</name>
    <message>
        <source>The %1 table is full: it holds at most %2 rows.</source>
        <extracomment>%1 is the list&apos;s name, %2 the most rows it holds.</extracomment>
        <translation>La liste «&#xa0;%1&#xa0;» est pleine&#xa0;: elle contient au plus %2 lignes.</translation>
    </message>
</context>
<context>
    <name>PreviewLayout</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Save Results To Excel File</source>
        <translation>Enregistrer dans un fichier Excel</translation>
    </message>
</context>
<context>
    <name>QtSystem</name>
    <message>
        <source>The web page could not be opened: %1</source>
        <translation>La page web n’a pas pu être ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot create object &quot;%1&quot;</source>
        <extracomment>%1 is the name of the spreadsheet program&apos;s object, as Excel.Application.</extracomment>
        <translation>Impossible de créer l’objet «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ReadOnlySettingsStore</name>
    <message>
        <source>The settings store is open for reading only: %1/%2/%3 was not written</source>
        <translation>Les paramètres sont ouverts en lecture seule&#xa0;: %1/%2/%3 n’a pas été écrit</translation>
    </message>
</context>
<context>
    <name>ReadablePlan</name>
    <message>
        <source>Jubilo ends now, so that it does not start an empty plan over yours. Make the file readable, or move it aside to start afresh, then start Jubilo again.</source>
        <translation>Jubilo s’arrête maintenant, pour ne pas écraser votre projet par un projet vide. Rendez le fichier lisible, ou déplacez-le pour repartir de zéro, puis relancez Jubilo.</translation>
    </message>
</context>
<context>
    <name>RowEntry</name>
    <message>
        <source>The %1 list is full: it holds at most %2 rows.</source>
        <extracomment>%1 is the list&apos;s name (&quot;Guests&quot;), %2 the most rows a list holds.</extracomment>
        <translation>La liste «&#xa0;%1&#xa0;» est pleine&#xa0;: elle contient au plus %2 lignes.</translation>
    </message>
    <message>
        <source>The text in the &quot;%1&quot; box is too long: it has %2 characters, and a cell of the plan holds at most %3. Please shorten it and try again.</source>
        <extracomment>%1 is the column&apos;s header (&quot;Address&quot;), %2 and %3 counts of characters.</extracomment>
        <translation>Le texte du champ «&#xa0;%1&#xa0;» est trop long&#xa0;: il compte %2 caractères, alors qu’une cellule du projet en contient au plus %3. Raccourcissez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>An entry cannot contain the text &quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;. Please change it and try again.</source>
        <translation>Une saisie ne peut pas contenir le texte «&#xa0;||MySeparator11||&#xa0;» ni «&#xa0;||MySeparator12||&#xa0;». Modifiez-la, puis réessayez.</translation>
    </message>
    <message>
        <source>No row is selected. Please select the row to delete.</source>
        <translation>Aucune ligne n’est sélectionnée. Sélectionnez la ligne à supprimer.</translation>
    </message>
</context>
<context>
    <name>RowRules</name>
    <message>
        <source>it has %1 cells, and the %2 list has %3 columns</source>
        <translation>elle compte %1 cellules, alors que la liste «&#xa0;%2&#xa0;» a %3 colonnes</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell is empty</source>
        <translation>sa cellule «&#xa0;%1&#xa0;» est vide</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell is &quot;%2&quot;, not &quot;Yes&quot; or &quot;No&quot;</source>
        <translation>sa cellule «&#xa0;%1&#xa0;» contient «&#xa0;%2&#xa0;», et non «&#xa0;Yes&#xa0;» ou «&#xa0;No&#xa0;»</translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell has %2 characters, and a cell holds at most %3</source>
        <translation>sa cellule «&#xa0;%1&#xa0;» compte %2 caractères, alors qu’une cellule en contient au plus %3</translation>
    </message>
    <message>
        <source>it holds the text &quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;, which a list cannot keep</source>
        <translation>elle contient le texte «&#xa0;||MySeparator11||&#xa0;» ou «&#xa0;||MySeparator12||&#xa0;», qu’une liste ne peut pas conserver</translation>
    </message>
</context>
<context>
    <name>SampleData</name>
    <message>
        <source>the %1 list</source>
        <extracomment>One list named in &quot;no example row was added to %1&quot;.</extracomment>
        <translation>à la liste %1</translation>
    </message>
    <message>
        <source>the %1 and %2 lists</source>
        <extracomment>Lists named in &quot;no example row was added to %1&quot;: %1 all but the last, joined by &quot;, &quot;.</extracomment>
        <translation>aux listes %1 et %2</translation>
    </message>
    <message>
        <source>The example data was loaded, but no example row was added to %1.

</source>
        <extracomment>%1 names the lists (&quot;the Guests list&quot;); the reasons follow the message.</extracomment>
        <translation>Les données d’exemple ont été chargées, mais aucune ligne d’exemple n’a été ajoutée %1.

</translation>
    </message>
    <message>
        <source>John</source>
        <translation>Jean</translation>
    </message>
    <message>
        <source>NY City</source>
        <translation>Paris</translation>
    </message>
    <message>
        <source>Dance</source>
        <translation>Danse</translation>
    </message>
    <message>
        <source>CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Garland</source>
        <translation>Guirlande</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Meat</source>
        <translation>Viande</translation>
    </message>
    <message>
        <source>Barbeque</source>
        <translation>Barbecue</translation>
    </message>
    <message>
        <source>Lights</source>
        <translation>Guirlande lumineuse</translation>
    </message>
    <message>
        <source>Buy meals</source>
        <translation>Acheter les repas</translation>
    </message>
    <message>
        <source>Nearest store</source>
        <translation>Magasin le plus proche</translation>
    </message>
    <message>
        <source>Dancing</source>
        <translation>Danser</translation>
    </message>
    <message>
        <source>If guests want to</source>
        <translation>Si les invités le souhaitent</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>a list&apos;s name in a sentence</comment>
        <extracomment>A list&apos;s name inside a sentence; English writes it bare, a language may quote it („%1“).</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>SaveName</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SavedPlan</name>
    <message>
        <source>The %1 list holds %2 rows in the plan file.</source>
        <extracomment>%1 is the list&apos;s name, %2 the rows it holds.</extracomment>
        <translation>La liste «&#xa0;%1&#xa0;» contient %2 lignes dans le fichier de projet.</translation>
    </message>
    <message>
        <source>The %1 list holds %2 rows in the settings store.</source>
        <translation>La liste «&#xa0;%1&#xa0;» contient %2 lignes dans le fichier de configuration.</translation>
    </message>
    <message>
        <source>the plan file</source>
        <translation>le fichier de projet</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>le fichier de configuration</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is &quot;the plan file&quot; or &quot;the settings file&quot;, %2 where it is.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>A list shows at most %1 rows, so only the first %1 are shown. All the rows are kept in the store unchanged, and changes to this list are not saved while it holds more than %1.

To split the plan: make a copy of %2, then remove rows from the %3 entry of the file and of its copy so that each holds at most %1 rows.</source>
        <extracomment>%1 is the most rows a list holds, %2 the file, %3 the lists&apos; names in the file.</extracomment>
        <translation>Une liste affiche au plus %1 lignes&#xa0;; seules les %1 premières sont donc affichées. Toutes les lignes restent inchangées dans le fichier, et les modifications de cette liste ne sont pas enregistrées tant qu’elle contient plus de %1 lignes.

Pour scinder le projet&#xa0;: faites une copie de %2, puis supprimez des lignes de l’entrée %3 du fichier et de sa copie, de sorte que chacun en contienne au plus %1.</translation>
    </message>
    <message>
        <source>A list shows at most %1 rows, so only the first %1 are shown. All the rows are kept in the store unchanged, and changes to these lists are not saved while it holds more than %1.

To split the plan: make a copy of %2, then remove rows from the %3 entry of the file and of its copy so that each holds at most %1 rows.</source>
        <translation>Une liste affiche au plus %1 lignes&#xa0;; seules les %1 premières sont donc affichées. Toutes les lignes restent inchangées dans le fichier, et les modifications de ces listes ne sont pas enregistrées tant qu’elles contiennent plus de %1 lignes.

Pour scinder le projet&#xa0;: faites une copie de %2, puis supprimez des lignes des entrées %3 du fichier et de sa copie, de sorte que chacune en contienne au plus %1.</translation>
    </message>
</context>
<context>
    <name>SheetOutput</name>
    <message>
        <source>The workbook has no sheet to print</source>
        <translation>Le classeur n’a aucune feuille à imprimer</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>The skin could not be loaded from %1: %2</source>
        <extracomment>%1 is the skin file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>L’habillage n’a pas pu être chargé depuis %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not UTF-8 text</source>
        <translation>Le fichier d’habillage %1 n’est pas un texte UTF-8</translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>Add Guest</source>
        <translation>l’ajout d’un invité</translation>
    </message>
    <message>
        <source>Delete Guest</source>
        <translation>la suppression d’un invité</translation>
    </message>
    <message>
        <source>Edit Guest</source>
        <translation>la modification de l’invité</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>la modification de l’adresse</translation>
    </message>
    <message>
        <source>Edit RSVP</source>
        <translation>la modification de la présence</translation>
    </message>
    <message>
        <source>Edit Number in Party</source>
        <translation>la modification du nombre de personnes</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>l’ajout d’une musique</translation>
    </message>
    <message>
        <source>Delete Music</source>
        <translation>la suppression d’une musique</translation>
    </message>
    <message>
        <source>Edit Music</source>
        <translation>la modification de la musique</translation>
    </message>
    <message>
        <source>Edit Format</source>
        <translation>la modification du format</translation>
    </message>
    <message>
        <source>Edit Purchased</source>
        <translation>la modification de l’achat</translation>
    </message>
    <message>
        <source>Edit Amount</source>
        <translation>la modification du montant</translation>
    </message>
    <message>
        <source>Add Decoration</source>
        <translation>l’ajout d’une décoration</translation>
    </message>
    <message>
        <source>Delete Decoration</source>
        <translation>la suppression d’une décoration</translation>
    </message>
    <message>
        <source>Edit Type</source>
        <translation>la modification du type</translation>
    </message>
    <message>
        <source>Edit Number</source>
        <translation>la modification du nombre</translation>
    </message>
    <message>
        <source>Add Food</source>
        <translation>l’ajout d’un plat ou d’une boisson</translation>
    </message>
    <message>
        <source>Delete Food</source>
        <translation>la suppression d’un plat ou d’une boisson</translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation>la modification du nom</translation>
    </message>
    <message>
        <source>Edit Ingredients</source>
        <translation>la modification des ingrédients</translation>
    </message>
    <message>
        <source>Add Ingredient</source>
        <translation>l’ajout d’un ingrédient</translation>
    </message>
    <message>
        <source>Delete Ingredient</source>
        <translation>la suppression d’un ingrédient</translation>
    </message>
    <message>
        <source>Edit Ingredient</source>
        <translation>la modification de l’ingrédient</translation>
    </message>
    <message>
        <source>Add Supply</source>
        <translation>l’ajout d’une fourniture</translation>
    </message>
    <message>
        <source>Delete Supply</source>
        <translation>la suppression d’une fourniture</translation>
    </message>
    <message>
        <source>Add Incidental</source>
        <translation>l’ajout de frais divers</translation>
    </message>
    <message>
        <source>Delete Incidental</source>
        <translation>la suppression de frais divers</translation>
    </message>
    <message>
        <source>Add Task</source>
        <translation>l’ajout d’une tâche</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>la suppression d’une tâche</translation>
    </message>
    <message>
        <source>Edit Task</source>
        <translation>la modification de la tâche</translation>
    </message>
    <message>
        <source>Edit Time</source>
        <translation>la modification de l’heure</translation>
    </message>
    <message>
        <source>Edit Notes</source>
        <translation>la modification des notes</translation>
    </message>
    <message>
        <source>Add Activity</source>
        <translation>l’ajout d’une activité</translation>
    </message>
    <message>
        <source>Delete Activity</source>
        <translation>la suppression d’une activité</translation>
    </message>
    <message>
        <source>Edit Activity</source>
        <translation>la modification de l’activité</translation>
    </message>
    <message>
        <source>Move Row</source>
        <translation>le déplacement d’une ligne</translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation>le chargement des données d’exemple</translation>
    </message>
    <message>
        <source>Music Budget</source>
        <translation>la modification du budget de la musique</translation>
    </message>
    <message>
        <source>Decoration Budget</source>
        <translation>la modification du budget des décorations</translation>
    </message>
    <message>
        <source>Incidental Budget</source>
        <translation>la modification du budget des frais divers</translation>
    </message>
    <message>
        <source>Food Budget</source>
        <translation>la modification du budget des plats et boissons</translation>
    </message>
    <message>
        <source>Other Supply Budget</source>
        <translation>la modification du budget des autres fournitures</translation>
    </message>
    <message>
        <source>Party Date</source>
        <translation>la modification de la date de la fête</translation>
    </message>
    <message>
        <source>New Plan From This One</source>
        <translation>Nouveau projet à partir de celui-ci</translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation>le collage de lignes</translation>
    </message>
    <message>
        <source>Import Guests</source>
        <translation>l’importation d’invités</translation>
    </message>
</context>
<context>
    <name>TableColumns</name>
    <message>
        <source>Guest(s)</source>
        <translation>Invité(s)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>RSVP?</source>
        <translation>Présent&#xa0;?</translation>
    </message>
    <message>
        <source>Number in Party</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Music(s)</source>
        <translation>Musique(s)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Purchased?</source>
        <translation>Acheté&#xa0;?</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingrédients</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
</context>
<context>
    <name>TableNames</name>
    <message>
        <source>Guests</source>
        <translation>Invités</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Decorations</source>
        <translation>Décorations</translation>
    </message>
    <message>
        <source>Food and Drinks</source>
        <translation>Plats et boissons</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingrédients</translation>
    </message>
    <message>
        <source>Other Supplies</source>
        <translation>Autres fournitures</translation>
    </message>
    <message>
        <source>Incidentals</source>
        <translation>Frais divers</translation>
    </message>
    <message>
        <source>Schedules</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>Activities</source>
        <translation>Activités</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Row %1 of %2 holds a store separator (&quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;) and cannot be saved.</source>
        <extracomment>%1 is the row&apos;s number, %2 the list&apos;s name.</extracomment>
        <translation>La ligne %1 de la liste «&#xa0;%2&#xa0;» contient un séparateur de stockage («&#xa0;||MySeparator11||&#xa0;» ou «&#xa0;||MySeparator12||&#xa0;») et ne peut pas être enregistrée.</translation>
    </message>
    <message>
        <source>Row %1 of %2 would load back as other rows: its texts make a store separator with the ones around them (&quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;) and cannot be saved.</source>
        <extracomment>%1 is the row&apos;s number, %2 the list&apos;s name.</extracomment>
        <translation>La ligne %1 de la liste «&#xa0;%2&#xa0;» serait relue comme d’autres lignes&#xa0;: avec ceux des lignes voisines, ses textes forment un séparateur de stockage («&#xa0;||MySeparator11||&#xa0;» ou «&#xa0;||MySeparator12||&#xa0;»)&#xa0;; elle ne peut pas être enregistrée.</translation>
    </message>
</context>
<context>
    <name>TextScan</name>
    <message>
        <source>the file is UTF-16 text; please save it as UTF-8 and import that</source>
        <translation>le fichier est un texte en UTF-16&#xa0;; enregistrez-le en UTF-8 et importez cette version</translation>
    </message>
    <message>
        <source>it holds a NUL byte, so it is no text file</source>
        <translation>elle contient un octet NUL, ce n’est donc pas un fichier texte</translation>
    </message>
</context>
<context>
    <name>ViewportMath</name>
    <message>
        <source>Overflow</source>
        <extracomment>The error box names the fault: a number too large for its place.</extracomment>
        <translation>Dépassement de capacité</translation>
    </message>
</context>
<context>
    <name>WorkbookCopy</name>
    <message>
        <source>The workbook could not be read from %1: %2</source>
        <translation>Le classeur n’a pas pu être lu depuis %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The workbook could not be saved to %1: %2</source>
        <translation>Le classeur n’a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>files</name>
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
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>autre chose qu’un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is %1, not a file Jubilo can replace.</source>
        <translation>c’est %1, et non un fichier que Jubilo peut remplacer.</translation>
    </message>
    <message>
        <source>it is a link that another user made in the shared folder %1. Jubilo does not write through it; choose another name.</source>
        <translation>c’est un lien qu’un autre utilisateur a créé dans le dossier partagé %1. Jubilo n’écrit pas à travers ce lien&#xa0;; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>it leads through too many links.</source>
        <translation>il passe par trop de liens.</translation>
    </message>
</context>
<context>
    <name>jubilo::BudgetChart</name>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Dépensé</translation>
    </message>
    <message>
        <source>Over budget</source>
        <translation>Dépassement</translation>
    </message>
    <message>
        <source>Budget and spending chart</source>
        <translation>Graphique du budget et des dépenses</translation>
    </message>
</context>
<context>
    <name>jubilo::GlanceTableModel</name>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Dépensé</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Reste</translation>
    </message>
    <message>
        <source>Still to buy</source>
        <translation>À acheter</translation>
    </message>
    <message>
        <source>Whole party</source>
        <translation>Toute la fête</translation>
    </message>
</context>
<context>
    <name>jubilo::GlanceWindow</name>
    <message>
        <source>Plan at a Glance</source>
        <translation>Vue d’ensemble du projet</translation>
    </message>
    <message>
        <source>Save Chart as PNG…</source>
        <translation>Enregistrer le graphique en PNG…</translation>
    </message>
    <message>
        <source>Budget against spending per list</source>
        <translation>Budget et dépenses par liste</translation>
    </message>
</context>
<context>
    <name>jubilo::ImportGuestsDialog</name>
    <message>
        <source>Import Guests</source>
        <translation>Importer des invités</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>The first guests as they will be added</source>
        <translation>Les premiers invités tels qu’ils seront ajoutés</translation>
    </message>
    <message>
        <source>The first guests as they will be added:</source>
        <translation>Les premiers invités tels qu’ils seront ajoutés&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Columns of the file</source>
        <translation>Colonnes du fichier</translation>
    </message>
    <message>
        <source>File column for %1</source>
        <translation>Colonne du fichier pour %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>An empty &quot;RSVP?&quot; reads &quot;No&quot;, an empty &quot;Number in Party&quot; reads &quot;1&quot;.</source>
        <translation>Une case «&#xa0;Présent&#xa0;?&#xa0;» vide vaut «&#xa0;No&#xa0;», une case «&#xa0;Personnes&#xa0;» vide vaut «&#xa0;1&#xa0;».</translation>
    </message>
    <message>
        <source>Line %1 cannot be added: %2. Choose other columns, or correct the file; nothing is added until every row can be.</source>
        <translation>La ligne %1 ne peut pas être ajoutée&#xa0;: %2. Choisissez d’autres colonnes ou corrigez le fichier&#xa0;; rien n’est ajouté tant que toutes les lignes ne peuvent pas l’être.</translation>
    </message>
    <message>
        <source>1 guest will be added.</source>
        <translation>Un invité sera ajouté.</translation>
    </message>
    <message>
        <source>%L1 guests will be added.</source>
        <translation>%L1 invités seront ajoutés.</translation>
    </message>
</context>
<context>
    <name>jubilo::MainWindow</name>
    <message>
        <source>Nothing was pasted into the %1 list: line %2 of the pasted text cannot go in, because %3.</source>
        <translation>Rien n’a été collé dans la liste «&#xa0;%1&#xa0;»&#xa0;: la ligne %2 du texte collé ne peut pas y entrer, car %3.</translation>
    </message>
    <message>
        <source>The clipboard holds no rows to paste.</source>
        <translation>Le presse-papiers ne contient aucune ligne à coller.</translation>
    </message>
    <message>
        <source>Guest lists (*.csv *.txt *.vcf)|*.csv;*.txt;*.vcf|All files (*)|*|</source>
        <translation>Listes d’invités (*.csv *.txt *.vcf)|*.csv;*.txt;*.vcf|Tous les fichiers (*)|*|</translation>
    </message>
    <message>
        <source>The file holds %L1 guests, and the list has room for %L2 more.</source>
        <translation>Le fichier contient %L1 invités, alors que la liste n’a de place que pour %L2 de plus.</translation>
    </message>
    <message>
        <source>Import Guests</source>
        <translation>Importer des invités</translation>
    </message>
    <message>
        <source>This plan is read-only, so the change cannot be kept. Save a copy you can change with Save Plan As?</source>
        <translation>Ce projet est en lecture seule&#xa0;: la modification ne peut pas être conservée. Enregistrer une copie modifiable avec «&#xa0;Enregistrer le projet sous&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Jubilo %1

Plan a party and get a printable spreadsheet of the plan.

%2</source>
        <translation>Jubilo %1

Organisez une fête et obtenez une feuille de calcul imprimable de votre projet.

%2</translation>
    </message>
    <message>
        <source>About Jubilo</source>
        <translation>À propos de Jubilo</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Tarvel at %1</source>
        <extracomment>The Help button&apos;s message; %1 is the contact page&apos;s web address.</extracomment>
        <translation>Des questions&#xa0;? Contactez l’équipe Tarvel sur %1</translation>
    </message>
</context>
<context>
    <name>jubilo::PlanHistory</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>The Edit menu&apos;s Undo with the step it undoes, as &quot;Undo Delete Guest&quot;.</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>The Edit menu&apos;s Redo with the step it redoes, as &quot;Redo Delete Guest&quot;.</extracomment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
</context>
<context>
    <name>jubilo::PlanStatusBar</name>
    <message>
        <source>Plan summary</source>
        <translation>Résumé du projet</translation>
    </message>
</context>
<context>
    <name>jubilo::PreviewWindow</name>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>L’image est vide</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>Voulez-vous vraiment écraser %1&#xa0;?</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Excel Files</source>
        <translation>Fichiers Excel</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Fichiers PDF</translation>
    </message>
    <message>
        <source>%1 is the workbook this preview shows, which is deleted when the preview closes. Please save the copy under another name.</source>
        <extracomment>%1 is the name of the file the user chose.</extracomment>
        <translation>%1 est le classeur affiché par cet aperçu, qui sera supprimé à la fermeture de l’aperçu. Enregistrez la copie sous un autre nom.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer, so the sheet cannot be printed from here. Use &quot;Save as PDF…&quot; to keep it as a PDF file, which any computer with a printer can print.</source>
        <translation>Aucune imprimante n’est configurée sur cet ordinateur&#xa0;: la feuille ne peut donc pas être imprimée d’ici. Utilisez «&#xa0;Enregistrer en PDF…&#xa0;» pour la conserver dans un fichier PDF, que tout ordinateur relié à une imprimante pourra imprimer.</translation>
    </message>
    <message>
        <source>There is no picture to copy</source>
        <translation>Il n’y a aucune image à copier</translation>
    </message>
    <message>
        <source>There is no main window to go back to.</source>
        <translation>Il n’y a pas de fenêtre principale à laquelle revenir.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Another program changed the settings file %1 while Jubilo was open, and Jubilo now writes a value that program changed. Jubilo keeps its own value and the rest of the other program&apos;s changes.

A copy of the file as the other program left it is kept in %2.</source>
        <translation>Un autre programme a modifié le fichier de configuration %1 pendant que Jubilo était ouvert, et Jubilo écrit maintenant une valeur que ce programme a modifiée. Jubilo garde sa propre valeur et le reste des modifications de l’autre programme.

Une copie du fichier tel que l’autre programme l’a laissé est conservée dans %2.</translation>
    </message>
    <message>
        <source>Jubilo found changes to the settings file %1 in the journal it keeps beside it, but the file is no longer the one they were made to (another program replaced it), so they were not applied and the file stays as it is.

A copy of the journal with those changes is kept in %2.</source>
        <translation>Jubilo a trouvé des modifications du fichier de configuration %1 dans le journal qu’il tient à côté de celui-ci, mais ce n’est plus le fichier auquel elles ont été apportées (un autre programme l’a remplacé)&#xa0;: elles n’ont donc pas été appliquées et le fichier reste tel quel.

Une copie du journal avec ces modifications est conservée dans %2.</translation>
    </message>
    <message>
        <source>No free name for a copy of the settings file was found beside %1</source>
        <translation>Aucun nom libre n’a été trouvé à côté de %1 pour une copie du fichier de configuration</translation>
    </message>
    <message>
        <source>The settings file %1 had lines that could not be read. Jubilo keeps what it could read and writes the file afresh, so those lines will be gone from it.

A copy of the file as it was is kept in %2.</source>
        <translation>Le fichier de configuration %1 contenait des lignes illisibles. Jubilo conserve ce qu’il a pu lire et réécrit entièrement le fichier&#xa0;: ces lignes n’y figureront donc plus.

Une copie du fichier dans son état précédent est conservée dans %2.</translation>
    </message>
</context>
</TS>
