#pragma once

#include <QString>
#include <QStringList>

// The most recently used documents, newest first, kept in the program's
// settings under "Recent File List" as File1, File2, ...
class CRecentFileList {
public:
    explicit CRecentFileList(int capacity = 4);

    // Moves path to the front (adding it when new), drops the oldest beyond
    // the capacity and saves the list.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }
    int Capacity() const { return m_capacity; }

private:
    void ReadList();
    void WriteList() const;

    int m_capacity;
    QStringList m_files;
};
