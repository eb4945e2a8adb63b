#pragma once

#include "mail/headers/DateTime.h"

#include <QString>

// Reads a header date such as "Tue, 8 Dec 1998 10:20:30 -0500": When gets the
// date and time as written (the zone is not applied) and Rest the upper-cased
// text after the time (the zone). The time is hours and minutes with optional
// seconds, 24-hour, in any locale; a time that does not read counts as
// midnight. Two-digit years up to 50 are 20xx, from 51 19xx. Never fails: a text
// that does not read, or one without a time, gives When 0 and an empty Rest.
void ParseMailDate(const QString& Text, TDateTime& When, QString& Rest);
