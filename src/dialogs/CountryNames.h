#pragma once

#include <QString>

// A country's name from the country table, in the user's language.
QString countryNameShown(const QString& english);
