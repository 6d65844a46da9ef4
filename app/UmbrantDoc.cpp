#include "app/UmbrantDoc.h"

#include <QFileInfo>

CUmbrantDoc::CUmbrantDoc(QObject* parent) : QObject(parent) {}

void CUmbrantDoc::OnNewDocument()
{
    SetPathName(QString());
    emit DocumentReplaced();
}

void CUmbrantDoc::OnOpenDocument(const QString& path)
{
    LoadDocument(QFile::encodeName(path).toStdString(), m_map);
    SetPathName(path);
    emit DocumentReplaced();
}

void CUmbrantDoc::OnSaveDocument(const QString& path)
{
    SaveDocument(QFile::encodeName(path).toStdString(), m_map);
    SetPathName(path);
}

QString CUmbrantDoc::Title() const
{
    return m_pathName.isEmpty() ? QStringLiteral("Sans titre") : QFileInfo(m_pathName).fileName();
}

void CUmbrantDoc::SetPathName(const QString& path)
{
    m_pathName = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    emit TitleChanged(Title());
}
