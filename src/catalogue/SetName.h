#pragma once

#include <QString>

namespace qx {

class UserPrompts;

// MAME makes its set names of lower-case letters, digits and "_" only. A name with anything else comes from
// a damaged or hostile qx.dat ("-listxml", "../cfg/x"): it is never handed to MAME, where it would read as
// an option, nor used to name a file.
bool IsMameSetName(const QString &name);

// True for a name MAME could have made; otherwise the user is told the name was refused, and false.
bool AcceptSetName(const QString &name, UserPrompts &prompts);

} // namespace qx
