#pragma once
// "Client Information": the demographics of a new client, or of the current client when editing,
// with every field's check, the edit limit and the name-deleted lock.
#include "clients/ClientInfoRules.h"
#include "clients/ClientRecord.h"
#include "shell/qt/TarvosDialog.h"

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

class frmClientInfo : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmClientInfo(QWidget* parent = nullptr);

    QFrame* frClient;
    std::array<QLabel*, ClientFieldCount> lblInfo;
    QLineEdit* txtName;
    QLineEdit* txtSSN;
    QLineEdit* txtAge;
    QComboBox* cmbGender;
    QComboBox* cmbRace;
    QLineEdit* txtEducation;
    QComboBox* cmbMarital;
    QLineEdit* mebDateOfBirth;

    void Form_Load();
    void Form_Activate() override;
    void RecordToScreen();
    void LockFields();
    void ShowEditLimitMessage();
    void RecordFieldChange(ClientField field);
    void cmdMenuChoice_Click(int index) override;
    void cmdMenuChoice_GotFocus(int index) override;
    void Field_GotFocus(ClientField field);
    void Field_LostFocus(ClientField field);
    // Returns true when the key was handled here (consumed).
    bool Field_KeyPress(ClientField field, QKeyEvent* event);
    void List_Change(ClientField field);

    // The field's widget, and its contents as the rules see them.
    QWidget* FieldWidget(ClientField field) const;
    ClientInfoValues ScreenValues() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* ListOf(ClientField field) const;
    QString FieldText(ClientField field) const;
    void SetFieldText(ClientField field, const QString& text);
    bool FieldEmpty(ClientField field) const;
    // The Enter check; accepted values are normalised in the field.
    bool CheckField(ClientField field);
    // Beep, empty the field where its rule says so, show its message and give it the focus.
    void RefuseField(ClientField field);
    void MoveToNext(ClientField field);
    bool FieldsLocked() const;

    LoadedFieldValues m_loadedValues;
    int16_t m_storedEditCount = 0;
    bool m_changingList = false;
};
