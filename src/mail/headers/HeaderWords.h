#pragma once

#include <QString>

// The text trimmed, then without the double quotes at its start and at its end
// (quotes inside stay).
QString UnquoteText(const QString& Text);

// The value of the parameter ParamName in a header value such as
// "text/plain; charset=\"utf-8\"": found anywhere without regard to case, read
// between double quotes or up to the next space, one trailing ';' removed.
// Empty when the value does not hold the name.
QString GetHeaderParam(const QString& ParamName, const QString& Value);

// The text up to its first space or ';', trimmed: the bare type of a content type.
QString FirstToken(const QString& Text);
