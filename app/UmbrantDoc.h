#pragma once

#include "app/UiText.h"
#include "model/DocumentOptions.h"
#include "model/EclipseMap.h"

#include <QObject>
#include <QString>

// The one document of the program: the eclipse map's data and its options
// (the observer's height, the time offset, the layers), the file it was
// last read from or written to, and whether it changed since.
class CUmbrantDoc : public QObject {
    Q_OBJECT

public:
    explicit CUmbrantDoc(QObject* parent = nullptr);

    // A new document keeps every value of m_map and m_options, as it keeps
    // the observer they belong with; only the file name is forgotten.
    void OnNewDocument();
    // Reads path into m_map and its companion into m_options (the defaults
    // without one); raises CFileException, leaving both unchanged, when the
    // file cannot be read, is shorter than a document, or holds a field no
    // document holds (CImplausibleDocument), or when its companion is bad.
    void OnOpenDocument(const QString& path);
    // Writes m_map to path and m_options to its companion (each atomically)
    // and adopts path; raises CFileException.
    void OnSaveDocument(const QString& path);

    // A change of epoch, centre, observer or viewport marks the document
    // modified; opening, saving and a new document clear the mark.
    void SetModifiedFlag(bool modified = true);
    bool IsModified() const { return m_modified; }

    // The commands that change the document's epoch or observer say so, so
    // that the views and panels that follow them refresh.
    void NotifyEpochChanged();
    void NotifyObserverChanged();
    // A new choice of layers, which marks the document modified.
    void SetLayers(const MapLayerChoice& layers);

    const QString& PathName() const { return m_pathName; }
    // The file's name, or "Sans titre" for a document never saved or opened.
    QString Title() const;

    CEclipseMap m_map;
    CDocumentOptions m_options;

signals:
    // The document was replaced by a new or opened one, or renamed by a save.
    void DocumentReplaced();
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    void EpochChanged();
    void ObserverChanged();
    void LayersChanged();

private:
    void SetPathName(const QString& path);

    QString m_pathName;
    bool m_modified = false;
};

// The file dialog filter of the program's documents.
inline constexpr CUiText kDocumentFilter{QT_TRANSLATE_NOOP("UiText", "Fichiers Umbrant (*.umb)")};
inline const QString kDocumentExtension = QStringLiteral(".umb");
