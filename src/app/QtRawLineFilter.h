#pragma once

#include <QRegularExpression>
#include <QString>

namespace trakora {

// What the filter box of the raw NMEA window asks for: text between two
// slashes ("/GSV|GSA/") is a regular expression; any other text is matched
// as it is, in upper or lower case.
struct RawLineFilter {
    bool Active = false; // some text to match
    bool Valid = true;   // false: a regular expression that does not compile
    QString Error;       // why it does not
    QRegularExpression Pattern;
};

RawLineFilter ParseRawLineFilter(const QString& text);

} // namespace trakora
