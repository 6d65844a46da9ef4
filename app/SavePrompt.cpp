#include "app/SavePrompt.h"

#include "app/ToolTexts.h"
#include "app/UserMessages.h"

#include <QMessageBox>
#include <QPushButton>

SaveChoice AskWhetherToSave(QWidget* parent, const QString& title)
{
    QMessageBox box(QMessageBox::Warning, kProgramName, kSavePromptText.arg(title), QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(kSaveButton, QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(kDiscardButton, QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(kCancelButton, QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return SaveChoice::Save;
    }
    return box.clickedButton() == discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

bool AskToConfirm(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, kProgramName, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}
