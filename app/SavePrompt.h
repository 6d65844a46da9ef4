#pragma once

#include <QString>

#include <functional>

class QWidget;

enum class SaveChoice { Save, Discard, Cancel };

// Asks whether to save the changes of the document named title before they
// would be lost. The frame holds one, so that the interface tests can answer
// instead of blocking on a modal box.
using SavePrompter = std::function<SaveChoice(QWidget* parent, const QString& title)>;

// The modal question with "Enregistrer", "Ne pas enregistrer" and "Annuler";
// closing the box cancels.
SaveChoice AskWhetherToSave(QWidget* parent, const QString& title);

// Asks the user to confirm an action that replaces files (yes or no). The
// frame holds one, so that the interface tests can answer.
using Confirmer = std::function<bool(QWidget* parent, const QString& question)>;

// The modal question with "Oui" and "Non", "Non" by default.
bool AskToConfirm(QWidget* parent, const QString& question);
