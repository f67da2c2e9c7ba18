#pragma once
// Helpers of the plug-in manager that need no widgets: names, symbols and the plug-in folder.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace qbplugins {

// The text in lower case with its first character in upper case: "MyInspector" -> "Myinspector".
QString ProperCase(const QString& text);

// The exported name of a unit's registration function: "QBUnit_" + ProperCase(unit) + "_Register",
// with every character that a symbol cannot hold replaced by "_".
QByteArray UnitRegistrationSymbol(const QString& unit);

// The symbolic name of a message type code as plug-in authors write it: "qbmWarning",
// "qbmReserved + 50", "qbmUser + 5", "qbmPublic + 2".
QString GetMessageTypeSymbol(int32_t code);

// Empties the list and adds the name (without folder) of every plain file in folder that matches the
// wildcard pattern, in the order the file system lists them. Hidden files and folders are left out.
// Returns the number of names added.
int FindFiles(const QString& folder, const QString& pattern, QStringList& list);

// The plug-in folder of an install folder (which ends in "/"): install + "Bin/PlugIns/"; empty when
// the install folder is not known.
QString PlugInFolderOf(const QString& installFolder);

}  // namespace qbplugins
