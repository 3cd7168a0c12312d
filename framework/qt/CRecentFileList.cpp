#include "CRecentFileList.h"

#include <QFileInfo>
#include <QSettings>
#include <stdexcept>

namespace {
const char* const kGroup = "Recent File List";
QString key(int index) { return QString("File%1").arg(index + 1); }
}  // namespace

CRecentFileList::CRecentFileList(int size) : m_nSize(size)
{
    if (size < 1)
        throw std::invalid_argument("a recent-file list needs room for one entry");
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < m_nSize; ++i) {
        const QString path = settings.value(key(i)).toString();
        if (!path.isEmpty())
            m_files << path;
    }
}

void CRecentFileList::Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > m_nSize)
        m_files.removeLast();
    Save();
}

void CRecentFileList::Save() const
{
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < m_nSize; ++i) {
        if (i < m_files.size())
            settings.setValue(key(i), m_files[i]);
        else
            settings.remove(key(i));
    }
}
