#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The program's one profile entry: the template's file name, "notfound" when none is chosen.
inline constexpr char kTemplateSection[] = "Template File";
inline constexpr char kTemplateEntry[] = "FileName";
inline constexpr char kNoTemplate[] = "notfound";

// The program's profile: a small INI file of [section] headers and entry=value lines.
// Values are bytes, stored and read back exactly as they are (no escapes, no quoting), so a
// file name with backslashes or spaces survives. Section and entry names match without
// regard to ASCII case. Writing keeps every other line of the file and replaces the file
// atomically.
class ProfileStore {
public:
    explicit ProfileStore(QString iniPath);

    // $XDG_CONFIG_HOME/wendle.ini, or ~/.config/wendle.ini when the variable is unset.
    static QString DefaultPath();

    const QString& path() const { return m_path; }

    QByteArray Read(QByteArrayView section, QByteArrayView entry, QByteArrayView fallback) const;

    // False when the file could not be written, or the value holds a line break, which the
    // format cannot carry; the file is then left as it was.
    bool Write(QByteArrayView section, QByteArrayView entry, QByteArrayView value);

private:
    QString m_path;
};
