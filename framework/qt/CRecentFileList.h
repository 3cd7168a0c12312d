#pragma once

#include <QString>
#include <QStringList>

// The most recently opened or saved documents, newest first, kept in the program's
// settings (QSettings, group "Recent File List", keys File1 .. FileN).
class CRecentFileList {
public:
    // size: the most entries kept (at least 1). Reads the list from the settings.
    explicit CRecentFileList(int size);
    // Puts path first (moving it up if listed), drops the oldest beyond the size, and
    // writes the list back to the settings.
    void Add(const QString& path);
    const QStringList& GetFiles() const { return m_files; }

private:
    void Save() const;

    int m_nSize;
    QStringList m_files;
};
