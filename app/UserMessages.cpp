#include "app/UserMessages.h"

#include "datafiles/FileException.h"

#include <QWidget>

void ShowMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString DescribeFailure(const std::exception& error)
{
    if (const auto* fileError = dynamic_cast<const CFileException*>(&error)) {
        return QStringLiteral("Erreur sur le fichier « %1 » :\n%2")
            .arg(QString::fromStdString(fileError->FileName()), QString::fromStdString(fileError->Cause()));
    }
    return QStringLiteral("La commande a échoué :\n%1").arg(QString::fromLocal8Bit(error.what()));
}

void RunCommand(const MessagePresenter& presenter, QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        presenter(parent, QMessageBox::Critical, kProgramName, DescribeFailure(error));
    }
}
