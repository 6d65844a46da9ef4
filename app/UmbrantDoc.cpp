#include "app/UmbrantDoc.h"

#include "model/DocumentCheck.h"

#include <QFileInfo>

CUmbrantDoc::CUmbrantDoc(QObject* parent) : QObject(parent) {}

void CUmbrantDoc::OnNewDocument()
{
    SetModifiedFlag(false);
    SetPathName(QString());
    emit DocumentReplaced();
}

void CUmbrantDoc::OnOpenDocument(const QString& path)
{
    const std::string name = QFile::encodeName(path).toStdString();
    CEclipseMap map = m_map;
    LoadPlausibleDocument(name, map);
    m_options = LoadDocumentOptions(name);
    m_map = map;
    SetModifiedFlag(false);
    SetPathName(path);
    emit DocumentReplaced();
}

void CUmbrantDoc::OnSaveDocument(const QString& path)
{
    const std::string name = QFile::encodeName(path).toStdString();
    SaveDocument(name, m_map);
    SaveDocumentOptions(name, m_options);
    SetModifiedFlag(false);
    SetPathName(path);
}

QString CUmbrantDoc::Title() const
{
    return m_pathName.isEmpty() ? tr("Sans titre") : QFileInfo(m_pathName).fileName();
}

void CUmbrantDoc::SetPathName(const QString& path)
{
    m_pathName = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    emit TitleChanged(Title());
}

void CUmbrantDoc::SetModifiedFlag(bool modified)
{
    if (m_modified != modified) {
        m_modified = modified;
        emit ModifiedChanged(modified);
    }
}

void CUmbrantDoc::NotifyEpochChanged()
{
    SetModifiedFlag();
    emit EpochChanged();
}

void CUmbrantDoc::NotifyObserverChanged()
{
    SetModifiedFlag();
    emit ObserverChanged();
}

void CUmbrantDoc::SetLayers(const MapLayerChoice& layers)
{
    if (m_options.m_layers == layers) {
        return;
    }
    m_options.m_layers = layers;
    SetModifiedFlag();
    emit LayersChanged();
}
