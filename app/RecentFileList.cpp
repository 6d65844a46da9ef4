#include "app/RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString EntryName(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

QString Canonical(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

CRecentFileList::CRecentFileList(int capacity) : m_capacity(capacity)
{
    ReadList();
}

void CRecentFileList::Add(const QString& path)
{
    const QString entry = Canonical(path);
    m_files.removeAll(entry);
    m_files.prepend(entry);
    while (m_files.size() > m_capacity) {
        m_files.removeLast();
    }
    WriteList();
}

void CRecentFileList::Remove(const QString& path)
{
    if (m_files.removeAll(Canonical(path)) > 0) {
        WriteList();
    }
}

void CRecentFileList::ReadList()
{
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int index = 0; index < m_capacity; ++index) {
        const QString path = settings.value(EntryName(index)).toString();
        if (!path.isEmpty() && !m_files.contains(path)) {
            m_files.append(path);
        }
    }
}

void CRecentFileList::WriteList() const
{
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int index = 0; index < m_capacity; ++index) {
        if (index < m_files.size()) {
            settings.setValue(EntryName(index), m_files[index]);
        } else {
            settings.remove(EntryName(index));
        }
    }
}
