#pragma once

#include "app/UiText.h"
#include "model/EclipseMap.h"

#include <QObject>
#include <QString>

// The one document of the program: the eclipse map's data, the file it was
// last read from or written to, and whether it changed since.
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

    // A change of epoch, centre, observer or viewport marks the document
    // modified; opening, saving and a new document clear the mark.
    void SetModifiedFlag(bool modified = true);
    bool IsModified() const { return m_modified; }

    // The commands that change the document's epoch or observer say so, so
    // that the views and panels that follow them refresh.
    void NotifyEpochChanged();
    void NotifyObserverChanged();

    const QString& PathName() const { return m_pathName; }
    // The file's name, or "Sans titre" for a document never saved or opened.
    QString Title() const;

    CEclipseMap m_map;

signals:
    // The document was replaced by a new or opened one, or renamed by a save.
    void DocumentReplaced();
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    void EpochChanged();
    void ObserverChanged();

private:
    void SetPathName(const QString& path);

    QString m_pathName;
    bool m_modified = false;
};

// The file dialog filter of the program's documents.
inline constexpr CUiText kDocumentFilter{QT_TRANSLATE_NOOP("UiText", "Fichiers Umbrant (*.umb)")};
inline const QString kDocumentExtension = QStringLiteral(".umb");
