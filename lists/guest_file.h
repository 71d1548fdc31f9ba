#pragma once
// A file of guests read whichever way it is written: vCards when it starts
// with BEGIN:VCARD, delimited text otherwise, whatever its name ends in.

#include "lists/guest_source.h"

#include <QString>

namespace jubilo {

// Throws ImportError, naming the line when the fault is on one.
GuestSource readGuestFile(const QString& path);

}  // namespace jubilo
