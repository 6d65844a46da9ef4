#include "app/UmbrantDoc.h"

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
    LoadDocument(QFile::encodeName(path).toStdString(), m_map);
    SetModifiedFlag(false);
    SetPathName(path);
    emit DocumentReplaced();
}

void CUmbrantDoc::OnSaveDocument(const QString& path)
{
    SaveDocument(QFile::encodeName(path).toStdString(), m_map);
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
