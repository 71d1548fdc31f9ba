<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BudgetTips</name>
    <message>
        <source>&quot;%1&quot; does not read as an amount, so this list has no budget in the plan&apos;s figures. The text is kept as typed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--json goes only with --summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan file&apos;s name is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the party&apos;s date &quot;%1&quot; does not read as a date; type one in the window&apos;s Date box, as 12/24/2026</source>
        <translation type="unfinished"></translation>
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

PLAN is a plan file (*.jubilo); without one, the stored plan
(~/.config/Tarvel.ini) is used.

--pdf, --xls, --ics and --summary show no window and need no display.
They only read the plan; --pdf, --xls and --ics replace FILE once the
new one is complete.

Exit status: 0 done; 1 the plan could not be read, its date does not read
as a date or no row has a time (--ics), or the file or the output could
not be built or written; 2 the command line is none of the forms above.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output could not be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportError</name>
    <message>
        <source>Guests cannot be imported from &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guests cannot be imported from &quot;%1&quot;: line %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>The page margins leave no room to print: they take %1 by %2 inches of paper %3 by %4 inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet would print on %1 pages (%2 across, %3 down); at most %4 pages print. A smaller print area or zoom, or narrower margins, print fewer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>you have no permission to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no file by that name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to a file that is not there (moved or deleted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file but a device, a pipe or a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 MB, far more than any plan (a plan file holds at most %2 MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not text but binary data (a NUL byte at offset %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not text in UTF-8, the encoding plan files are written in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is neither blank, a ; comment, a [group] nor a key=value line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds lines that cannot be read as settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no [%1] group, so it holds no plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jubilo could not open the plan file %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan file %1 had lines that could not be read. Jubilo keeps what it could read and writes the file afresh, so those lines will be gone from it.

A copy of the file as it was is kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program changed the plan file %1 while Jubilo had it open, and Jubilo now writes a value that program changed. Jubilo keeps its own value and the rest of the other program&apos;s changes.

A copy of the file as the other program left it is kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jubilo found changes to the plan file %1 in the journal it keeps beside it, but the file is no longer the one they were made to (another program replaced it), so they were not applied and the plan stays as the file holds it.

A copy of the journal with those changes is kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan file %1 could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan file %1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan file has lines that could not be read, and no copy of it could be kept, so it was not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan file was changed by another program, and no copy of it could be kept, so it was not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan file&apos;s journal holds changes that are not in the file, and no copy of it could be kept, so the file was not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan file %1 is no longer there: it was moved or deleted while Jubilo had it open. Nothing in the window is lost; use File &gt; Save Plan As… to keep the plan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan file %1 is read-only: you may not change it or the folder it is in. Nothing in the window is lost; use File &gt; Save Plan As… to keep the plan in a file of your own.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>The plan %1 is read-only: you can look at it and print it, but changes to it cannot be kept. To change it, save a copy with File &gt; Save Plan As…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanLock</name>
    <message>
        <source>The lock file %1 cannot be taken: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program keeps replacing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jubilo ends now: without its lock, a second Jubilo could write over this plan. Remove what stands at that name or make its folder writable, then start Jubilo again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadablePlan</name>
    <message>
        <source>Jubilo ends now, so that it does not start an empty plan over yours. Make the file readable, or move it aside to start afresh, then start Jubilo again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveName</name>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StepNames</name>
    <message>
        <source>Add Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Guest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit RSVP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Number in Party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Purchased</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Decoration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Decoration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Food</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Ingredients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Ingredient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Ingredient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Ingredient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Supply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Supply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Incidental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Incidental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Activity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1, not a file Jubilo can replace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link that another user made in the shared folder %1. Jubilo does not write through it; choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it leads through too many links.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo</name>
    <message>
        <source>it has %1 cells, and the %2 list has %3 columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell is &quot;%2&quot;, not &quot;Yes&quot; or &quot;No&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its &quot;%1&quot; cell has %2 characters, and a cell holds at most %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds the text &quot;||MySeparator11||&quot; or &quot;||MySeparator12||&quot;, which a list cannot keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 spent, no budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚠ %1 of %2 spent, %3 over budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 spent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 still to buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 coming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tab-separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no guests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV, %1, %2, with a header row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV, %1, %2, without a header row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no address)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not there (it may have been moved or deleted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No row of Schedules or At The Party has a time that reads as a time, so there is no timetable to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 row %2 &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row is left out because its time does not read as a time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows are left out because their time does not read as a time: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it starts a quoted cell that is never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has a quote inside a cell that is not quoted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has a cell longer than 1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has a row longer than 4 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would make the %1 list longer than the %2 rows a list holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is UTF-16 text; please save it as UTF-8 and import that</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a NUL byte, so it is no text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guests: %1 (%2, %3 coming)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guests: %1 (%2, %3 coming; %4 without a number in their party)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing still to buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2 without an amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole party</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan at a Glance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be made into a PNG picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart is saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 invited, %3 coming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚠ %1 over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Timetable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The party&apos;s date &quot;%1&quot; does not read as a date. On which day is the party?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timetable is saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jubilo Plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan %1 is open in another Jubilo: switch to that window to work on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Plan…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Plan &amp;From This One…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Plan…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plan &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Guests…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export List as CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Timetable…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan at a &amp;Glance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Jubilo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::BudgetChart</name>
    <message>
        <source>Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget and spending chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::CardReader</name>
    <message>
        <source>it is outside any card (a card starts with BEGIN:VCARD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is written in quoted-printable (vCard 2.1), which Jubilo does not read; please export the contacts as vCard 3.0 or 4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a card begins inside another card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card that starts here has no name (neither FN nor N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds more than %L1 guests, more than a list holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card that starts here never ends (END:VCARD is missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no guests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name (FN or N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address (first ADR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards without an address: %L1. Their &quot;Address&quot; reads &quot;%2&quot;; change it in the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::GlanceTableModel</name>
    <message>
        <source>Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still to buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole party</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::GlanceWindow</name>
    <message>
        <source>Plan at a Glance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart as PNG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget against spending per list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::ImportGuestsDialog</name>
    <message>
        <source>Import Guests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first guests as they will be added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first guests as they will be added:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File column for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An empty &quot;RSVP?&quot; reads &quot;No&quot;, an empty &quot;Number in Party&quot; reads &quot;1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 cannot be added: %2. Choose other columns, or correct the file; nothing is added until every row can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 guest will be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 guests will be added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::LineUnfolder</name>
    <message>
        <source>the line is longer than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::ListExport</name>
    <message>
        <source>Saves the list on show (the tab chosen last) as a CSV file for spreadsheet programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves Schedules and At The Party as calendar events on the party&apos;s date (an .ics file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export List as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 list is saved as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Timetable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party Timetable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::MainWindow</name>
    <message>
        <source>Nothing was pasted into the %1 list: line %2 of the pasted text cannot go in, because %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds no rows to paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guest lists (*.csv *.txt *.vcf)|*.csv;*.txt;*.vcf|All files (*)|*|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %L1 guests, and the list has room for %L2 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Guests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plan is read-only, so the change cannot be kept. Save a copy you can change with Save Plan As?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jubilo %1

Plan a party and get a printable spreadsheet of the plan.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Jubilo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::PlanFiles</name>
    <message>
        <source>%1 is the plan open now: choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Plan From This One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan %1 is no longer there: it was moved or deleted, so it is taken off the list of recent plans.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::PlanHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::PlanStatusBar</name>
    <message>
        <source>Plan summary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::RowGatherer</name>
    <message>
        <source>it has more than %1 columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds more than %L1 guests, more than a list holds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>jubilo::step_names</name>
    <message>
        <source>Move Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sample Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decoration Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incidental Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Supply Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Party Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Plan From This One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Guests</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Another program changed the settings file %1 while Jubilo was open, and Jubilo now writes a value that program changed. Jubilo keeps its own value and the rest of the other program&apos;s changes.

A copy of the file as the other program left it is kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jubilo found changes to the settings file %1 in the journal it keeps beside it, but the file is no longer the one they were made to (another program replaced it), so they were not applied and the file stays as it is.

A copy of the journal with those changes is kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
