#include "tools/HelpTexts.h"

namespace {

// The texts are kept as whole blocks so that they read as they will be shown.
std::vector<std::string> Lines(const char* block) {
    std::vector<std::string> lines;
    std::string text(block);
    // A block starts right after its opening line break.
    if (!text.empty() && text.front() == '\n')
        text.erase(0, 1);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            if (start < text.size())
                lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

const char* const CopyText = R"TXT(
COPY MULTIPLE FOLDERS
=====================
This page copies chosen folder structures into every folder of a list of
existing folders.
In this version of Foldersmith the page's tab is not shown. "Simulation"
counts and lists what a copy would do without touching the disk; "Copy
Folder Structures" copies, never overwriting a folder or file that is there
already, and "Undo" takes back what the last copy added.

THE TWO LISTS
-------------
INCLUDE list: the destination folders. Every line is one full path with its
drive letter, for example C:\Projects\Alpha. The structures are copied into
each of these folders.
EXCLUDE list: a holding area. Lines moved there are kept but never used.
Both lists compare lines ignoring letter case: C:\Data and c:\DATA are the
same line, and a line is never held twice.

FILLING THE INCLUDE LIST
------------------------
"Import Folder List"
    Opens the Import window. Choose a text file, say how it is to be read,
    build the preview and click "Import the created list". Lines that are
    already in the Include or in the Exclude list are skipped.
"Add Folders Manually"
    Opens the folder browser. The chosen folder is added to the Include list.
"Subfolder List Builder"
    Opens the Subfolder List Builder. Choose a source folder, a level rule and
    optionally a name filter, click "Build a List", then "Import". Every
    folder of its Include list is added here.
Give full paths with their drive letter: the moves between the two lists
take only such lines, and a selected line without one is dropped when moved.

WORKING WITH THE LISTS
----------------------
">"    moves the selected Include lines to the Exclude list.
"<"    moves the selected Exclude lines back to the Include list.
">>"   moves every Include line to the Exclude list.
"<<"   moves every Exclude line back to the Include list.
"Delete Selected"   removes the selected lines from the Exclude list.
"Delete All"        empties the Exclude list (you are asked first).
"View Selected"     opens the selected Include folder in the file manager.
"Edit List"         edits the whole Include list as text, one path a line.
                    Blank lines and repeated lines disappear on OK; lines
                    that are in the Exclude list are dropped.
"Smart Export"      hands the Include list to the Export window, which
                    writes it to a text file.
"Lines:" under each list shows how many lines it holds.

THE FOLDER STRUCTURES
---------------------
"Add Structure"     chooses a source folder whose tree is to be copied.
                    Choosing a whole drive asks for confirmation first.
"View Selected"     opens the selected structure in the file manager.
"Remove Selected"   removes the selected structures from the list, after a
                    question.
The same folder is listed once, whatever its letter case.

COPY OPTIONS
------------
"Main Folders and their Subfolders - Without Files."
    Copies each structure's own folder and every folder below it, without
    files. A structure C:\Templates\Year gives <destination>\Year\...
"Subfolders Only - Without Files."
    Copies only what lies below the structure's folder, without files.
"Main Folders and their Subfolders - With Selected Files."
    As the first option, and copies the selected files too.
"Subfolders Only - With Selected Files."
    As the second option, and copies the selected files too.
"Select Files" opens the File Selection window, where you give the file
names and patterns to copy (for example *.docx  report?.txt). "*.*" selects
every file. "Active File Types:" shows "All." for "*.*" and "User
Selected." for anything else.

THE PRE-COUNT
-------------
After every change of the lists, the structures, the options or the file
selection, the page counts what a copy would need. The row "To Copy" shows
the subfolders of the structures, their files and their bytes, times the
number of destination folders; a destination that lies inside another
listed destination counts once.
In the options without files, files and bytes stay 0. In the options with
files only the selected files count, and the bytes needed on every drive
are compared with the drive's free space; a drive without enough free space
is reported with both figures, and the counters then stay 0.
The rows "Successfully Copied", "Not Copied (Already Exists)", "Not Exists"
and "Already Exists" are kept for the copy itself and stay 0.
Counts are whole numbers; sizes are shown in bytes.

VISUAL LOG, UNDO AND THE OTHER BUTTONS
--------------------------------------
"Visual Log"        opens the statistics window with the counters and the
                    result lists. Each result list has a "Smart Export"
                    button.
"Show Visual Log"   kept for the copy itself.
"Undo"              removes the folders and files that the last copy
                    created; as this version copies nothing, there is
                    nothing to undo yet.
"Clear Fields"      empties both lists, the structures and the counters, after
                    a question.
"Examples"          shows examples of this page.

HINTS
-----
- The destination folders must exist: this page does not create them. Use
  one of the creation pages first.
- Every change scans every structure again: a large structure makes each
  change take a moment.
- Foldersmith has one drive: C: is the root folder / of this computer, so
  C:\home\ann\work is the folder /home/ann/work. Other drive letters do not
  exist here. The folder browser shows drive C: and its folders.
- Nothing on this page is saved when the program ends. Use "Smart Export" to
  keep a list.
)TXT";

const char* const DeleteText = R"TXT(
DELETE MULTIPLE FOLDERS
=======================
This page prepares the deletion of many folders, of their subfolder
structures, or only of chosen files inside them.
In this version of Foldersmith the page's tab is not shown. The page builds
and checks its list and counts exactly what a deletion would remove, but its
"Delete Folders PERMANENTLY" and "Simulation" buttons do not delete anything.
Nothing on disk is changed by this page.

THE TWO LISTS
-------------
INCLUDE list: the main folders. Every line is one full path with its drive
letter, for example C:\Archive\2019.
EXCLUDE list: a holding area. Lines moved there are kept but never used.
Both lists compare lines ignoring letter case, and a line is never held
twice.
A whole drive (C:\) is never accepted as a main folder.

FILLING THE INCLUDE LIST
------------------------
"Import Folder List"
    Opens the Import window:
    1. Choose a text file with "Browse". Its lines appear under
       "Original file".
    2. Choose how it is read: one path a line, or separated text with a
       delimiter (all columns or one column).
    3. Click "Create/Preview", check the preview and click "Import the
       created list".
    Lines already in one of the two lists are skipped.
"Add Folders Manually"
    Opens the folder browser; the chosen folder is added.
"Subfolder List Builder"
    Builds a list from the folder tree of one source folder:
    - choose the source folder; the window shows how many subfolders each
      level holds;
    - choose a level rule:
        "From: ... To:"   every subfolder between the two levels,
        "Above:"          every subfolder above the given level,
        "Below:"          every subfolder below the given level;
      the direct subfolders of the source folder are level 1;
    - choose "Only the Last Subfolder" or "All Subfolders in Path";
    - optionally give a "Subfolder Filter": only subfolders whose own name
      contains this text (ignoring letter case) are listed;
    - click "Build a List", move unwanted lines to its Exclude list, and
      click "Import".
Give full paths with their drive letter: the moves between the two lists
take only such lines, and a selected line without one is dropped when moved.


WORKING WITH THE LISTS
----------------------
">"    moves the selected Include lines to the Exclude list.
"<"    moves the selected Exclude lines back to the Include list.
">>"   moves every Include line to the Exclude list.
"<<"   moves every Exclude line back to the Include list.
"Delete Selected"   removes the selected lines from the Exclude list.
"Delete All"        empties the Exclude list (you are asked first).
"View Selected"     opens the selected Include folder in the file manager.
"Edit List"         edits the Include list as text, one path a line.
"Smart Export"      hands the Include list to the Export window.
"Lines:" under each list shows how many lines it holds.

THE FOUR DELETE MODES
---------------------
"Delete Selected Files from Main Folders and their Subfolders too."
    Only the selected files are concerned, in the main folders and in every
    folder below them. All folders stay, even when they become empty.
"Delete Selected Files from Main Folders Only."
    Only the selected files lying directly in the main folders are
    concerned. Subfolders and their files stay.
"Delete Complete Subfolder Structures - retain Main Folders."
    Everything inside each main folder is concerned: its files and its
    whole subfolder structure. The main folders themselves stay, empty.
"Delete list of Main Folders with complete Folder Structures - retain nothing."
    Each main folder with everything inside it is concerned.

SELECTING FILES
---------------
The two file modes work on the selected files. "Select Files" opens the File
Selection window:
    - type one or more file names or patterns, separated by blanks, for
      example  *.tmp  *.bak  ~*.*
    - * stands for any number of characters, ? for exactly one;
    - a name that holds a blank goes between double quotes:
      "old notes.txt";
    - "*.*" selects every file;
    - letter case does not matter: *.TMP also finds a.tmp;
    - OK keeps the patterns and saves them in the settings file;
    - "Clear Menu" forgets the earlier patterns.
"Active File Types:" shows "All." when the patterns are "*.*" and "User
Selected." otherwise.
The first time you choose one of the file modes, the page reminds you of the
"Select Files" button.

THE PRE-COUNT
-------------
After every change of the list, the mode or the file selection, the page
counts what the deletion would remove, and shows it under "To Delete:":
    "Total Folders:"   the folders concerned,
    "Total Files"      the files concerned.
The file modes count only the files that match the selection; the folder
modes count every folder and file inside the main folders (and, in the last
mode, the main folders themselves). A main folder that lies inside another
listed main folder is counted once.
A main folder that does not exist counts no folders and no files (in the
last mode it still counts as one folder).
The rows "Deleted", "NOT Deleted (not exists)" and "NOT Deleted (Other
Reasons)" are kept for the deletion itself and stay 0.

OTHER BUTTONS AND OPTIONS
-------------------------
"DOUBLE Confirmation for Deleting", "Show Visual Log"
    kept for the deletion itself.
"Visual Log"
    opens the statistics window now. It repeats the counters and holds the
    result lists, each with a "Smart Export" button.
"Clear Fields"
    after a question: empties both lists and the counters and sets the
    page back to its first state.
"Examples"
    shows examples of this page.

HINTS
-----
- Check the counters before anything else: they show exactly how many
  folders and files a deletion would concern.
- Use the Exclude list to keep folders out without losing them from the
  list: moving them back is one click.
- Foldersmith has one drive: C: is the root folder / of this computer, so
  C:\home\ann\old is the folder /home/ann/old. Other drive letters do not
  exist here. The folder browser shows drive C: and its folders.
- The lists are not saved when the program ends. Use "Smart Export" to keep
  one in a text file, and "Import Folder List" to read it back.
- A folder list can come from another program: one full path a line, or a
  separated file (for example a spreadsheet saved as CSV) with the paths in
  one column.

WHAT THE FIGURES MEAN
---------------------
Folders and files are counted one by one: in the folder modes a main folder
whose tree holds 3 folders and 10 files counts 3 and 10 (4 and 10 in the
last mode, which counts the main folder too).
Files that are hidden are counted like the others.
Folders that cannot be read count as empty.
A symbolic link counts as one file and is never followed: what it points
to is not counted.

SAFETY
------
- This page changes nothing on disk: it builds lists and counts.
- Whole drives are refused in the Include list.
- A file mode never concerns a folder.
- Keep a copy of a checked list with "Smart Export".

EXAMPLES
--------
Listing the build output of many projects:
    1. "Subfolder List Builder": source folder C:\Projects, "From:" 1
       "To:" 1, "All Subfolders in Path": every project folder is listed.
    2. "Import" hands the list to this page.
    3. Mode "Delete Selected Files from Main Folders and their Subfolders
       too.", then "Select Files" with  *.o  *.tmp  *.log
    4. The counters show how many files of these kinds the projects hold.
Listing the contents of last year's class folders, keeping the folders:
    1. "Add Folders Manually" for each class folder, or "Import Folder
       List" with a text file of their paths.
    2. Mode "Delete Complete Subfolder Structures - retain Main Folders.".
    3. Move the classes you want to keep to the Exclude list with ">".
    4. The counters show the folders and files inside the remaining ones.
Checking a list of folders before removing them by hand:
    1. Fill the Include list.
    2. Mode "Delete list of Main Folders with complete Folder Structures -
       retain nothing.".
    3. The counters show how many folders and files the list holds in
       all; "Visual Log" shows them again and "Smart Export" keeps the
       list.

KEYS
----
Tab moves between the fields; Space presses the focused button; the list
boxes accept Ctrl+Click and Shift+Click for selecting several lines.
)TXT";

const char* const RenameText = R"TXT(
RENAME MULTIPLE FOLDERS
=======================
This page prepares the renaming of the last folder of every path in a list.
In this version of Foldersmith the page's tab is not shown, and its
"Rename Folders" and "Simulation" buttons do not rename anything. The page
builds and checks the list and previews the new names.

THE TWO LISTS
-------------
INCLUDE list: the folders to rename. Every line is one full path with its
drive letter, for example C:\Photos\2024 Summer.
EXCLUDE list: a holding area. Lines moved there are kept but never used.
Both lists compare lines ignoring letter case, and a line is never held
twice.
Fill the Include list with "Import Folder List", "Add Folders Manually" or
"Subfolder List Builder"; move lines with ">", "<", ">>" and "<<"; remove
Exclude lines with "Delete Selected" and "Delete All"; edit the whole
Include list as text with "Edit List"; open a folder with "View Selected";
hand the list to the Export window with "Smart Export".
A line whose last part has an extension (C:\Photos\2024\img.jpg) is read as a
file: the folder that holds it is the one renamed.

THE TWO RULES
-------------
"Add Prefix and/or Suffix"
    The new name is built from four fields:
        "New prefix:"
        "Delimiter between Prefix and Subfold. name"
        the folder's present name
        "Delimiter between Subfold. name and Suffix"
        "New Suffix"
    Blanks at the ends of the fields are removed; an empty field adds
    nothing. There is no default delimiter: type "-", "_" or a blank if you
    want one.
    Example: prefix "Old", first delimiter "-", no suffix:
        C:\Photos\2024 Summer  becomes  C:\Photos\Old-2024 Summer
"Rename the Last Subfolder"
    Every folder of the list gets the name typed in "New Name:".
    Example: New Name "Done":
        C:\Jobs\A\Work  becomes  C:\Jobs\A\Done

Characters that may not stand in a name ( " * [ ] ; | < > ? : \ / ) are
refused in every field, with a message; the last character typed is
removed.

PREVIEW
-------
"Start Folder:" shows the new full path of the first Include line,
"End Folder:" that of the last one. The preview follows every change of the
list, the rule and the fields.

COUNTERS
--------
"Total Folders To Rename"      the number of Include lines;
"Renamed Folders", "Source doesn't Exists", "Destination Already Exists",
"Other Reasons"                kept for the rename run, and 0 on this page.
Any change of the list or of the rule sets them back.

OTHER BUTTONS
-------------
"Visual Log"     opens the statistics window with the same counters.
"Undo"           moves folders renamed by the last run back to their old
                 names, deepest folders last; folders that cannot be moved
                 back are listed in a message. As this version renames
                 nothing, there is nothing to undo yet.
"Clear Fields"   empties the lists, the fields and the counters, after a
                 question.
"Examples"       shows examples of renaming.

Foldersmith has one drive: C: is the root folder / of this computer.
)TXT";

const char* const CreateFoldersText = R"TXT(
CREATING FOLDER(S) - FROM A LIST OF PATHS
=========================================
This page creates every folder of a list of full paths. Each line of the
Include list names one folder with its drive letter, for example
    C:\Clients\Miller\Invoices
The folder is created together with every missing folder above it
(C:\Clients and C:\Clients\Miller, when they are missing).
The page can add a prefix and a suffix to the last part of every path, and
copy ("attach") chosen folder structures into every folder it creates.

STEP 1 - THE INCLUDE LIST
-------------------------
Type one or more full paths into "Add Full Path to the list :" and press
Enter or "Add". Several paths may stand on one line: every drive letter
followed by a colon starts a new path, so
    C:\Work\A C:\Work\B
adds two lines. Slashes are turned into backslashes, and a doubled
backslash or colon becomes one (C://Work//A gives C:\Work\A).
A path is refused with a message when:
    - it has no drive letter, or the drive does not exist (C: is the only
      drive);
    - it is only a drive (C:\) without a folder;
    - it holds one of the characters  " * [ ] ; | < > ?
    - it is already in the Include or in the Exclude list (letter case does
      not matter).
Paths before a refused one on the same line are kept.
Other ways to fill the list:
"Smart Import"   opens the Import window: choose a text file, say how to
                 read it (one path a line, or separated text), build the
                 preview and click "Import the created list". Lines
                 already in one of the two lists are skipped.
"Edit List"      edits the whole Include list as text, one path a line.
                 On OK blank lines and repeated lines disappear, and lines
                 that are in the Exclude list are dropped.
The list keeps the order in which the paths were added.

STEP 2 - THE EXCLUDE LIST
-------------------------
The Exclude list holds paths you want to keep aside. They are never
created.
">"    moves the selected Include lines to the Exclude list.
"<"    moves the selected Exclude lines back.
">>"   moves every Include line to the Exclude list.
"<<"   moves every Exclude line back.
"<>"   exchanges the two lists.
"Delete Excluded"   removes the selected Exclude lines (after a question).
"Delete All"        empties the Exclude list (after a question).
"Lines:" shows how many lines each list holds.

STEP 3 - PREFIX, SUFFIX AND HYPHEN
----------------------------------
"Prefix :" and "Suffix :" are added to the last part of every path:
    C:\Clients\Miller  with prefix "2026" and Hyphen ticked
    gives C:\Clients\2026-Miller
Tick "Hyphen" to join the prefix and the suffix to the name with "-".
Characters that may not stand in a name ( " * [ ] ; | < > ? : \ / ) are
refused with a message; the last character typed is removed.
"Start Folder :" and "End Folder :" preview the first and the last folder
that will be created.
A line whose last part has an extension (C:\Docs\plan.txt) is read as a
file name: the folder that holds it (C:\Docs) is the one created and
decorated.

STEP 4 - ATTACHING FOLDER STRUCTURES
------------------------------------
A folder structure is an existing folder whose tree is copied into every
folder the page creates.
"Add Structure"     chooses a structure with the folder browser.
"View Selected"     opens the selected structure in the file manager.
"Remove Selected"   removes it from the list, after a question.
These buttons are enabled once an option other than "Attach Nothing." is
chosen. The attach options:
"Attach Nothing."
    Only the folders of the list are created.
"Main Folders and their Subfolders - With Files."
    The structure's own folder, its subfolders and its files are copied:
    C:\Templates\Project gives <new folder>\Project\...
"Main Folders and their Subfolders - Without Files."
    The same, folders only.
"Subfolders Only - With Files."
    Only what lies inside the structure's folder is copied, straight into
    the new folder.
"Subfolders Only - Without Files."
    The same, folders only.
With several structures, each is copied in turn. A file that already exists
is never overwritten; it is counted as already existing.
With the "With Files." options the page first checks the free space: the
bytes needed are summed for every drive, and a drive without enough free
space is reported with both figures.

STEP 5 - SIMULATION OR CREATE
-----------------------------
"Simulation" plays the whole run through without creating anything. It
counts what would be created and what already exists, and fills the Visual
Log. Use it to check a long list first.
"Create Folders" asks for confirmation and then creates the folders one by
one. A progress bar shows how far it is. While it runs, the other pages
cannot be used.
Tick "Show Visual Log" to see the statistics window during the run.

THE RESULTS
-----------
The "Statistics" group shows, for folders, subfolders in the structures,
files in the structures and their size in bytes:
    "To create:"                     what the run is to create;
    "Successfully created:"          what it created;
    "NOT created (already exists):"  what was there already;
    "NOT created (other reasons):"   what could not be created, for example
                                     a line without a drive letter, a name
                                     that is refused, or a folder without
                                     write permission.
The Visual Log lists the names of created folders, subfolders and files and
of the folders not created. Each list has a "Smart Export" button that hands
it to the Export window.

UNDO
----
"Undo" deletes the folders that the last real run created, with everything
inside them, and the files it copied straight into them. Folders that
existed before the run are never touched. A simulation does not change what
Undo removes. Folders that cannot be removed are named in a message.

CLEAR FIELDS AND EXAMPLES
-------------------------
" Clear  Fields" empties the lists, the fields, the structures and the
counters after a question; Undo then has nothing left to undo.
"Examples" shows worked examples.

HINTS
-----
- Foldersmith has one drive: C: is the root folder / of this computer, so
  C:\home\ann\work is the folder /home/ann/work. Other drive letters do not
  exist here. The folder browser shows drive C: and its folders.
- Names are matched ignoring letter case: an existing folder is found
  whatever its case, and a new one is created as written.
- Blanks and dots at the end of a name are dropped, as Windows does.
)TXT";

const char* const CreateStringsText = R"TXT(
CREATING FOLDER(S) - FROM A LIST OF STRINGS
===========================================
This page creates one folder for every string (name) of its Include list,
inside one destination folder. Every folder can get a prefix and a suffix,
and chosen folder structures can be copied ("attached") into every folder
created.
Example: destination C:\School, strings Anna, Ben and Carla, prefix "Class",
Hyphen ticked: the page creates
    C:\School\Class-Anna
    C:\School\Class-Ben
    C:\School\Class-Carla

STEP 1 - THE DESTINATION FOLDER
-------------------------------
Click "Browse" and choose the folder in which the new folders are to be
created, or choose one used before from the drop-down list.
The page then shows the level summary of that folder: how many subfolders
it holds at each level below it.
"View" opens the destination folder in the file manager.
Choosing a destination enables the entry field and the lists; the names,
options and buttons below follow once the Include list holds a name.

STEP 2 - THE INCLUDE LIST
-------------------------
Type a name into the entry field and press Enter or "Add". The name is
added to the Include list, which keeps its names in alphabetical order.
A name may hold backslashes: Reports\2026 creates the folder 2026 inside a
new folder Reports (both are created). Slashes are turned into backslashes
and a doubled backslash becomes one.
A name is refused with a message when:
    - the field is empty;
    - it is already in the Include list or in the Exclude list (letter
      case does not matter);
    - it holds a drive letter (C:\...): this page creates folders only in
      its destination;
    - it holds one of the characters  " * [ ] ; | < > ? :
      (the field keeps the text before that character).
Other ways to fill the list:
"Smart Import"   opens the Import window:
                 1. "Browse" for a text file; its lines are shown.
                 2. Choose "From a Plain Text File (One line - One
                    String)." or "From a CSV/ Separated file." with a
                    delimiter and all columns or one column.
                 3. Click "Create/Preview", check the preview and click
                    "Import the created list".
                 Names already in one of the two lists are skipped.
"Edit List"      edits the Include list as text, one name a line. On OK
                 blank lines disappear, blanks at the ends of the lines are
                 removed, repeated names are kept once and names that are
                 in the Exclude list are dropped.
"Smart Export"   hands the Include list to the Export window, which writes
                 it to a text file.

STEP 3 - THE EXCLUDE LIST
-------------------------
The Exclude list holds names you want to keep aside. They are never
created.
">"    moves the selected Include names to the Exclude list.
"<"    moves the selected Exclude names back.
">>"   moves every Include name to the Exclude list.
"<<"   moves every Exclude name back.
The delete button removes the selected Exclude names after a question.
The counts beside the lists show how many names each one holds.
Several names are selected with Ctrl+Click or Shift+Click.

STEP 4 - PREFIX, SUFFIX AND HYPHEN
----------------------------------
The name of every new folder is
    prefix + name + suffix
Tick "Hyphen" to join them with "-": Class-Anna-2026.
Without "Hyphen" nothing is put between them: ClassAnna2026.
Characters that may not stand in a name ( " * [ ] ; | < > ? : \ / ) are
refused in the prefix and the suffix, with a message; the last character
typed is removed.
The preview shows the full path of the first and of the last folder to
create, and follows every change.

STEP 5 - ATTACHING FOLDER STRUCTURES
------------------------------------
A folder structure is an existing folder whose tree is copied into every
folder the page creates. Use it for folders that always need the same
subfolders (for example Letters, Invoices, Photos).
"Add"      (below the structure list) chooses a structure with the folder
           browser. Choosing a whole drive asks for confirmation first.
"View"     opens the selected structure in the file manager.
"Remove"   removes the selected structures after a question.
These buttons are enabled once an option other than "Attach Nothing." is
chosen. Attach options:
"Attach Nothing."
    Only the folders of the list are created. This is the start setting.
"Main Folders and their Subfolders - With Files."
    The structure's own folder is copied with its subfolders and files:
    C:\Templates\Client gives C:\School\Class-Anna\Client\...
"Main Folders and their Subfolders - Without Files."
    The same, folders only.
"Subfolders Only - With Files."
    Only what lies inside the structure's folder is copied, straight into
    every new folder: C:\School\Class-Anna\Letters ...
"Subfolders Only - Without Files."
    The same, folders only.
Several structures are copied one after the other; with the "Subfolders
Only" options their contents are merged. A file that already exists is
never overwritten: it is counted as already existing.
With the "With Files." options the page checks the free space of the
destination drive first, and refuses the run when the files would not fit.

STEP 6 - SIMULATION
-------------------
"Simulation" plays the run through without creating anything. It makes the
same checks, asks for confirmation, and then counts what would be created,
what exists already and what could not be created. The statistics window
shows the names. The last real run (and its Undo) is not affected.

STEP 7 - CREATE
---------------
"Create Folder(s)" checks the structures, asks for confirmation and then
creates the folders one by one, with a progress bar. The other pages cannot
be used while it runs.
"Visual Log" (ticked): shows the statistics window during the run.
"Explorer." (ticked): opens the destination folder when the run ends.
For every name:
    - a name that is itself a full path (with a drive letter) is not
      created and is counted under "other reasons";
    - an existing folder is counted as already existing, and gets no
      structures;
    - a new folder is created together with any missing parent folder,
      and the structures are copied into it;
    - a folder that cannot be created is counted under "other reasons".

THE STATISTICS
--------------
The "Statistics" group counts main folders, folders in the structures,
files in the structures and their size in bytes, in four rows:
    "To create:"                      planned after the last change;
    "Successfully created:"           created by the last run;
    "Not created  (already exist):"   already there;
    "Not created (other reasons):"    refused or failed.
The "Visual Log" button opens the statistics window at any time. It lists
the created folders, subfolders and files, the folders that already
existed and the ones not created for other reasons. Every list has a
"Smart Export" button.

STEP 8 - UNDO
-------------
"Undo" deletes the folders created by the last real run, with everything
inside them (attached structures and files included), after a question.
Folders that existed before the run are never touched; parent folders that
a name with a backslash created are left in place. Folders that cannot be
removed are named in a message. After an Undo there is nothing left to
undo until the next run.

CLEARING THE PAGE
-----------------
The clear button empties the lists, the fields, the structures, the
preview and the counters after a question, and sets the page back to its
first state. Undo then has nothing left to undo.

HINTS
-----
- Foldersmith has one drive: C: is the root folder / of this computer, so
  C:\home\ann\School is the folder /home/ann/School. Other drive letters
  do not exist here. The folder browser shows drive C: and its folders.
- An existing folder is found whatever its letter case; a new one is
  created as written. Blanks and dots at the end of a name are dropped.
- Nothing of this page is saved when the program ends. Keep your list with
  "Smart Export".
- "Examples" shows worked examples of this page.
)TXT";

const char* const CreateNumbersText = R"TXT(
CREATING FOLDER(S) - INCREASED NUMBERS
======================================
This page creates one folder for every whole number from a start number to
an end number, inside one destination folder. Every folder can get a
prefix and a suffix, the numbers can be padded with zeroes, and chosen
folder structures can be copied ("attached") into every folder created.
Example: destination C:\Invoices, start 1, end 12, prefix "Month",
Hyphen and padded zeroes ticked: the page creates
    C:\Invoices\Month-01
    C:\Invoices\Month-02
    ...
    C:\Invoices\Month-12

STEP 1 - THE DESTINATION FOLDER
-------------------------------
Click "Browse" and choose the folder in which the new folders are to be
created, or choose one used before from the drop-down list. The page shows
the level summary of that folder: how many subfolders it holds at each
level.
"View" opens the destination folder in the file manager.

STEP 2 - THE NUMBERS
--------------------
"Start Number :" and "End (Stop) Number :" are whole numbers; both start
at 1. The start number may not be greater than the end number: the page
says so and puts the cursor into the end number.
Leaving a number field updates the preview and the "To create:" counters.
"Padded zeroes in Increased Numbers." puts zeroes in front of the numbers
so that all have as many digits as the end number:
    end 120       gives  001, 002 ... 120
    end 1000000   gives  0000001 ... 1000000
Without it the numbers are written as they are: 1, 2 ... 120.

STEP 3 - PREFIX, SUFFIX AND HYPHEN
----------------------------------
The name of every new folder is
    prefix + number + suffix
Tick "Hyphen between Prefix-Increased Number-Suffix." to join them with
"-": Room-07-A. Without it nothing is put between them: Room07A.
Characters that may not stand in a name ( " * [ ] ; | < > ? : \ / ) are
refused with a message; the last character typed is removed.
"Start Folder :" and "End Folder :" preview the first and the last folder.

STEP 4 - ATTACHING FOLDER STRUCTURES
------------------------------------
"Add Structure"     chooses an existing folder whose tree is copied into
                    every new folder. A whole drive asks for confirmation.
"View Selected"     opens the selected structure in the file manager.
"Remove Selected"   removes it after a question.
These buttons are enabled once an option other than "Attach Nothing." is
chosen.
"Attaching Options":
"Attach Nothing."
    Only the numbered folders are created (the start setting).
"Main Folders and their Subfolders - With Files."
    The structure's own folder with its subfolders and files is copied
    into every new folder.
"Main Folders and their Subfolders - Without Files."
    The same, folders only.
"Subfolders Only - With Files."
    Only what lies inside the structure's folder is copied, straight into
    every new folder.
"Subfolders Only - Without Files."
    The same, folders only.
A file that already exists is never overwritten. With the "With Files."
options the free space of the destination drive is checked first.

STEP 5 - SIMULATION
-------------------
"Simulation" plays the run through without creating anything and shows in
the counters and the Visual Log what would be created and what exists
already. A simulation covers at most 30001 numbers; the real run has no
such limit.

STEP 6 - CREATE
---------------
"Create folders" checks the numbers and the structures, asks for
confirmation and then creates the folders one by one, with a progress bar.
The other pages cannot be used while it runs.
"Visual Log" (ticked): shows the statistics window during the run.
"Explorer" (ticked): opens the destination folder when the run ends.
An existing folder is counted as already existing and gets no structures;
a folder that cannot be created is counted under "other reasons".

THE STATISTICS
--------------
Four rows - "To create:", "Created :", "NOT created (already exists):",
"NOT created (other reasons):" - count main folders, folders in the
structures, files in the structures and their size in bytes.
"Visual Log" opens the statistics window at any time, with the names of
what was created and not created; each list has a "Smart Export" button.

STEP 7 - UNDO
-------------
"Undo" deletes, after a question, the folders created by the last real run
with everything inside them. Folders that existed before are never
touched. Folders that cannot be removed are named in a message.

CLEAR FIELDS AND EXAMPLES
-------------------------
"Clear Fields" resets the numbers to 1, empties the fields, the structures
and the counters after a question; Undo then has nothing left to undo.
"Examples" shows worked examples of this page.

HINTS
-----
- Foldersmith has one drive: C: is the root folder / of this computer, so
  C:\home\ann\Invoices is the folder /home/ann/Invoices. The folder
  browser shows drive C: and its folders.
- Use padded zeroes when the folders are to sort in number order in a file
  manager: 01 ... 12 sorts right, 1 ... 12 does not.
- Nothing of this page is saved when the program ends.
)TXT";

const char* const CreateManuallyText = R"TXT(
CREATING FOLDERS - MANUALLY: two ways of creating folders one request at a time.

1. Full paths: type a complete path with its drive letter into the combo box, e.g. C:\Projects\2026\Reports,
   or several paths one after the other (every new drive letter starts a new path). Slashes become
   backslashes and a doubled backslash becomes one. Press Enter or "Create Folder": every path is confirmed
   on its own and created with its missing parent folders. Answering No stops the remaining paths.
   A path that exists already is reported and kept in the error log. Created paths are listed and kept in
   the combo box for later use.

2. Subfolders: choose the destination folder with "Browse" or from its list, then type the subfolder path
   below it, e.g. Letters\2026 (no drive letter). "Preview :" shows the full path. Press Enter or
   "Create Folder". Tick "View D. Folder" to open the destination after each folder created; "View" opens
   it at any time. Without a destination nothing is created.

"Error Log" lists the folders that already existed and those not created for other reasons (no
permission, a name the system refuses). Its caption turns red when the last run left something in the
log, green when not.
)TXT";

const char* const FileImportText = R"TXT(
IMPORTING A LIST FROM A TEXT FILE - three steps.

1. CHOOSE THE FILE
   Click "Browse" (or press Enter in "Source File :") and choose a text file.
   A file whose extension is not .txt is opened only after a question.
   The file's lines are shown under "Original file"; blank lines are left out
   and very long lines are cut to 2048 characters. "Lines:" counts them.

2. SAY HOW THE FILE IS TO BE READ
   "From  a Plain Text File (One line - One String)."
       every line is one item.
   "From a CSV/ Separated file."
       every line holds several items separated by the "Delimiter"
       (comma, semicolon, space, |, ~ and others).
       "All columns"         takes every item of every line;
       "Select a Column :"   takes only the item in that column (1 = first).
   "Abandon Quotation Marks around strings (if any)."
       removes one pair of double quotes, then one pair of apostrophes,
       around each item: "Anna" and 'Anna' both give Anna.
   Then click "Create/Preview a Folder/String List". The preview shows the
   items the page would receive; change the settings and preview again as
   often as needed.

3. IMPORT
   "Import the created list" closes the window and hands the preview to the
   page. The page adds every item that is in neither its Include nor its
   Exclude list.
   "Close" leaves without importing. "Clear All - Set Deafults" empties the
   window and sets the first settings again.

The window keeps its content until the next time it is opened.
)TXT";

const char* const FileSelectionText = R"TXT(
SELECTING FILES

Type the names of the files to use into "File Names and Extensions :".
    - Several names or patterns are separated by blanks:  *.txt  *.doc
    - * stands for any number of characters, ? for exactly one character:
          a*.txt     every .txt file whose name begins with a
          b?.html    b1.html, bx.html ...
    - *.* stands for every file (also files without an extension).
    - A name that holds a blank goes between double quotes:  "my notes.txt"
      (an odd number of double quotes is refused with a message).
    - Letter case does not matter: *.TXT also finds notes.txt.
    - A pattern given twice is used once.

OK keeps the names, adds them to the drop-down list for later use and saves
them in the settings file, so that they are there at the next start.
Cancel leaves everything as it was.
"Clear Menu" empties the drop-down list of earlier names.

The delete and copy pages use these names for their selected files.
)TXT";

const char* const MoreHelpText = R"TXT(
USING INCLUDE - EXCLUDE WINDOWS IN THE PROGRAM.
-----------------------------------------------
The list pages keep two lists side by side.
The INCLUDE window holds the items a run works on: the names of the folders
to create (strings page) or the full paths (paths page and the other list
pages).
The EXCLUDE window is a holding area. Items moved there are kept but never
used by a run, so you can leave some out without losing them.
    ">"    moves the selected Include items to the Exclude window.
    "<"    moves the selected Exclude items back to the Include window.
    ">>"   moves every Include item to the Exclude window.
    "<<"   moves every Exclude item back to the Include window.
    "<>"   (where present) exchanges the two windows.
An item is never held twice, and the two windows never hold the same item:
items are compared ignoring letter case, so "Reports" and "REPORTS" count
as the same item. Moving an item that the other window holds already only
removes it from its own window.
Select several items with Ctrl+Click (one by one) or Shift+Click (a range).
Items can be deleted only from the Exclude window: move them there first,
then use the delete button of the Exclude window.
The count beside each window shows how many items it holds.

USING THE INCLUDE FOLDER LIST EDITOR.
-------------------------------------
"Edit List" on the paths page (and on the other folder-list pages) opens the
Include list as plain text, one full path a line.
    - Type, paste, change or delete lines as in any text editor.
    - "Lines:" shows the number of lines that are not blank.
    - OK rebuilds the Include list from the text: blank lines disappear,
      blanks at the ends of the lines are removed, a path given twice (also
      in other letter case) is kept once, and paths that are in the Exclude
      window are dropped.
    - Cancel closes the editor; the Include list stays as it was.
The editor does not check the paths: a line without a drive letter stays in
the list and is counted under "other reasons" when the run reaches it.

USING THE INCLUDE STRING LIST EDITOR.
-------------------------------------
"Edit List" on the strings page opens its Include list as plain text, one
name a line, in the list's alphabetical order.
    - Edit the text freely; paste a column copied from a spreadsheet or a
      document to add many names at once.
    - OK works as in the folder list editor: blank lines disappear, blanks
      at the ends are removed, repeated names are kept once and names held
      in the Exclude window are dropped. The list sorts the names again.
    - Cancel leaves the Include list unchanged.
Names typed into the editor are not checked for drive letters or for the
characters that may not stand in a name; a name with a drive letter, or
with a character Windows refuses in names (< > : " | ? *), is counted
under "other reasons" when the run reaches it. Use the page's entry field
when you want every name checked as you type it.

VISUAL LOG - DETAILED RESULTS WINDOW.
-------------------------------------
Every page has its Visual Log: a window that shows the counters of the last
run or simulation and the names behind them.
    - The title says whether the figures come from a real run ("Folder/File
      Creation Process.") or from a simulation ("Simulate the Folder/File
      Creation Process.").
    - The counters repeat those of the page: to create, created, already
      existing and not created for other reasons, for main folders,
      folders in the attached structures, files and bytes.
    - The lists show the names: successfully created folders, subfolders
      and files; folders that already existed; folders not created for
      other reasons.
    - "Smart Export" beside a list hands its full paths to the Export
      window, which writes them to a text file (one path a line, or
      separated text).
Tick "Visual Log" on a page to have the window open during a run; the
"Visual Log" button opens it at any time.

The Export window writes the handed list as plain text (one item a line)
or as separated text with a chosen delimiter, optionally with double quotes
around every item. Read such a file back with "Smart Import".
Lists are not saved when the program ends: export the ones you want to
keep.
)TXT";

const char* const OverviewText = R"TXT(
FOLDERSMITH - OVERVIEW
======================
Foldersmith creates folders in bulk. Give it a list - typed in, edited as
text, or read from a text file - and it creates every folder of the list,
with a prefix and a suffix if you want, and copies chosen folder structures
(with or without their files) into each folder it creates.

THE PAGES
---------
"Creating Folder(s)  - From a List of Strings."
    One folder for every name of a list, inside one destination folder.
    Example: the names of a class give one folder per pupil.
"Creating Folder(s)   - From a List of Paths."
    One folder for every full path of a list, each where its path says,
    with all missing parent folders.
"Creating Folder(s)  - Increased Numbers."
    One folder for every number from a start to an end number, optionally
    padded with zeroes: Week-01 ... Week-52.
"Creating Folder -Manually."
    Single folders: type a full path, or a subfolder path below a chosen
    destination.

WHAT EVERY CREATION PAGE OFFERS
-------------------------------
- Prefix, suffix and "Hyphen" to build the folder names.
- A preview of the first and the last folder name.
- Attaching folder structures: an existing folder's tree is copied into
  every new folder, the folder itself or only what it holds, with or
  without files. Files are never overwritten.
- A free-space check before files are copied.
- "Simulation": the whole run played through without creating anything.
- Counters: to create, created, already existing, not created for other
  reasons - for folders, subfolders, files and bytes.
- The "Visual Log": the statistics window with the names behind the
  counters, and "Smart Export" to save any of its lists to a text file.
- "Undo": deletes the folders the last real run created.

LISTS
-----
The list pages keep an INCLUDE list (what a run uses) and an EXCLUDE list
(what you keep aside). Items move between them with the arrow buttons; an
item is never held twice, whatever its letter case. "Smart Import" reads a
list from a text file (one item a line, or separated text such as CSV);
"Smart Export" writes one.

DRIVES AND PATHS
----------------
Foldersmith speaks Windows paths (C:\Projects\2026) on this computer. It
has one drive: C: is the root folder / of this computer, so
C:\home\ann\work is the folder /home/ann/work. Other drive letters do not
exist here. The folder browser shows drive C: and its folders.
Names follow the Windows rules: \ and / both separate folders; an existing
folder is found whatever its letter case, a new one is created as written;
blanks and dots at the end of a name are dropped; names holding
< > : " | ? * are refused. Network paths (\\server\share) are not
supported.

SETTINGS
--------
The settings file "default.set" lies in the folder the program was started
in (scripts/run starts it in ~/.local/share/foldersmith). It keeps the
delimiters, quotation marks and file selections.
The lists and fields of the pages are not saved: export a list to keep it.

HELP
----
Every page has a help button with the text for that page, and "More help"
explains the Include and Exclude lists, the list editors and the Visual Log.
)TXT";

const char* const LicenseText = R"TXT(
FOLDERSMITH - SINGLE USER LICENSE AGREEMENT
===========================================
Version 1.0.0

1. THE LICENSE
This agreement lets one person install and use this copy of Foldersmith on
the computers that person uses. The program and its documentation remain
the property of their authors.

2. WHAT YOU MAY DO
- Use the program for private and for professional work.
- Make copies of the program for backup.
- Keep the folders, files and lists you make with the program: they are
  yours.

3. WHAT YOU MAY NOT DO
- Remove or change the program's copyright and license notices.
- Pass the program on to others as your own work.

4. NO WARRANTY
The program is provided "as is", without warranty of any kind, express or
implied, including the warranties of merchantability and fitness for a
particular purpose. You use it at your own risk.
The program creates, copies and deletes folders and files on your
computer. Check your lists, use "Simulation" before a large run and keep
backups of data you cannot afford to lose.

5. LIMITATION OF LIABILITY
In no event shall the authors be liable for any claim, damages or other
liability arising from the use of the program or from any other dealings
in it, whether in contract, tort or otherwise.

6. ENDING THE AGREEMENT
The agreement ends when you stop using the program and delete your copies
of it.

By using Foldersmith you accept this agreement.
)TXT";

} // namespace

const std::vector<HelpTopic>& HelpTopics() {
    static const std::vector<HelpTopic> topics = {
        {"COPY", Lines(CopyText)},
        {"DELETE", Lines(DeleteText)},
        {"RENAME", Lines(RenameText)},
        {"CREATEFOLDERS", Lines(CreateFoldersText)},
        {"CREATESTRINGS", Lines(CreateStringsText)},
        {"CREATENUMBERS", Lines(CreateNumbersText)},
        {"CREATEMANUALLY", Lines(CreateManuallyText)},
        {"FILEIMPORT", Lines(FileImportText)},
        {"FILESELECTION", Lines(FileSelectionText)},
    };
    return topics;
}

std::vector<std::string> MoreHelpLines() {
    return Lines(MoreHelpText);
}
std::vector<std::string> OverviewLines() {
    return Lines(OverviewText);
}
std::vector<std::string> LicenseLines() {
    return Lines(LicenseText);
}
