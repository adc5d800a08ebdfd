#include "cli/user_guide_file.h"

#include <fstream>
#include <sstream>

#include "com/error.h"

namespace cli {
namespace {

constexpr std::int32_t kGuideNotWritten = 70;

const char* const kGuide = R"([topic 1] Quillnet Access 2000 driver
The Access 2000 driver lets Quillnet find and replace text in a Microsoft
Access 2000 database (.mdb, .mde, .mda) or Access project (.adp, .ade):
table and field names and properties, queries, relationships, import
specifications, forms, reports and their controls, data access pages,
command bars, macros and module code.

Project Parameters
  Type        a database (MDB) or a project (ADP). A project is only
              checked for its file; the workgroup, passwords and
              performance options belong to databases.
  Filename    the database or project file. The "..." button browses.
  Password    the database password, when the database has one.
  Workgroup   the workgroup information file (.mdw) that holds the users;
              Access's default workgroup is offered. OK stays disabled
              until a database has a file name and a workgroup.
  Username    the user to log on as; empty means Admin.
  Password    that user's password.
  Performance leave "Exclude Query Fields" and "Exclude Linked Table
              Fields" ticked unless you need to search the field
              properties of queries and linked tables: they are copies
              of the fields of the tables behind them, and reading them
              makes a search much slower.

OK tries the file and the credentials before it accepts them and says what
is wrong when it cannot open the database. F1 shows this guide; Shift+F1
shows the problems reported so far.

In a terminal, "quillnet connect [DB]" shows this dialog and saves what it
accepts for the database; search, replace, list and show on that database
then use it for every option their command line leaves out.
"quillnet connect --forget DB" removes it.
[topic 2] Object model
A project holds ten collections: Tables, Queries, Forms, Reports,
DataAccessPages, Macros, Modules, Relationships, ImportSpecs and
CommandBars. Their objects hold collections of their own: a table its
Fields and Indexes, a form or report its Sections and Controls (and a
report its GroupLevels), a control its FormatConditions, a macro its
MacroLines, a module its Procedures, an import specification its columns,
a command bar its controls. Every object shows the properties of the Access,
DAO or Office object it stands for, under the same names; the text
properties are the ones searched and replaced.
[topic 3] Applications
An application is often split into a front-end database of forms, reports,
macros and code and a back-end database of tables, linked from the front
end. Search the front end to find what the application's objects mention;
search the back end to change the tables themselves. The driver opens the
back ends of linked tables while it works on the front end, and reports a
back end it cannot open as a problem without stopping.
[topic 4] Preparing to upsize
Before moving tables to SQL Server, search for names that SQL Server treats
differently: names with blanks or punctuation, reserved words, and Access
functions in queries, validation rules and default values. Replace them in
every query, form, report, macro and module at once, so that nothing still
refers to an old name.
[topic 5] Relationship cross-reference
Relationships are listed and searched like any other collection, with the
tables and fields they join. They are not changed by a replace: rename a
table or field and Access keeps its relationships with it.
[topic 6] Repairing broken links
A linked table names the file of its back end. When the back end has moved,
search the Tables collection for the old path and replace it with the new
one; the driver refreshes each link it changed, so that it takes the fields
of the table it now points at.
[topic 7] Limitations
The driver works with Access 2000 (with Office 2000 Service Release 1 or
later). Databases of Access 2.0, 95 and 97 are refused; convert them in
Access first. A database or document that is open in Access, locked by
another user, or kept under source control is read but not changed.
Relationships are read only. Module code keeps its procedures: a replace
that would add or remove a procedure is refused.
[topic 8] Troubleshooting
"Couldn't find the project file" or "workgroup file": check the path.
"Not a valid account name or password": the user or password does not
belong to the workgroup named. "Unrecognized database format": the file is
not an Access 2000 database, or a later version of Access made it. Problems
found while searching are listed after the results; Shift+F1 in the dialog
shows those reported so far.
)";

}  // namespace

void InstallUserGuide(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream current;
  current << in.rdbuf();
  if (current.str() == kGuide) return;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << kGuide;
  if (!out) com::Raise(kGuideNotWritten, "Cannot write the user guide " + path + ".");
}

}  // namespace cli
