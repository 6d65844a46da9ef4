#pragma once

#include "model/EclipseMap.h"

#include <QObject>
#include <QString>

// The one document of the program: the eclipse map's data and the file it
// was last read from or written to. No operation marks it modified, so no
// command ever asks whether to save it.
class CUmbrantDoc : public QObject {
    Q_OBJECT

public:
    explicit CUmbrantDoc(QObject* parent = nullptr);

    // A new document keeps every value of m_map; only the file name is forgotten.
    void OnNewDocument();
    // Reads path into m_map; raises CFileException, leaving m_map unchanged,
    // when the file cannot be read or is shorter than a document.
    void OnOpenDocument(const QString& path);
    // Writes m_map to path (atomically) and adopts path; raises CFileException.
    void OnSaveDocument(const QString& path);

    const QString& PathName() const { return m_pathName; }
    // The file's name, or "Sans titre" for a document never saved or opened.
    QString Title() const;

    CEclipseMap m_map;

signals:
    // The document was replaced by a new or opened one, or renamed by a save.
    void DocumentReplaced();
    void TitleChanged(const QString& title);

private:
    void SetPathName(const QString& path);

    QString m_pathName;
};

// The file dialog filter of the program's documents.
inline const QString kDocumentFilter = QStringLiteral("Fichiers Umbrant (*.umb)");
inline const QString kDocumentExtension = QStringLiteral(".umb");
