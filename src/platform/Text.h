// The layer's text boundary: the program speaks UTF-8 std::string, Qt speaks QString.
#pragma once

#include <QString>

#include <string>

inline QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}
inline std::string FromQt(const QString& text)
{
    return text.toStdString();
}
