#pragma once

class QDialog;
class QPushButton;
class QWidget;

// "Annuler" and "Ok" at the right of a row: they reject and accept the
// dialog, Ok being the default button. The Ok button is given back for a
// dialog that enables it only when there is something to accept.
QWidget* MakeCancelOkRow(QDialog& dialog, QPushButton** okButton = nullptr);
