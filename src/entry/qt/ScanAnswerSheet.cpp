#include "entry/qt/ScanAnswerSheet.h"

#include "clients/ClientFile.h"
#include "clients/Registration.h"
#include "entry/ScanReview.h"
#include "entry/ScanSequence.h"
#include "entry/qt/ScanAcquisition.h"
#include "entry/qt/frmNewEntry.h"
#include "platform/ImageFileScanner.h"
#include "platform/SaneScanner.h"
#include "shell/ProgramFolder.h"
#include "shell/RunState.h"
#include "shell/Settings.h"
#include "shell/qt/Cp1252.h"
#include "shell/qt/MsgBox.h"
#include "shell/qt/WindowHelpers.h"
#include "shell/qt/frmMyInputBox.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

ScanSourceFactory g_factory;

constexpr const char* RawPageFile = "raw.bmp";

class WindowScanSteps : public ScanSteps {
public:
    WindowScanSteps(QWidget* parent, const ScanHandOver& handOver) : m_parent(parent), m_handOver(handOver) {}

    bool AskClientName(std::string& name) override {
        frmMyInputBox box(m_parent);
        box.setWindowTitle(QStringLiteral("Client Name Input"));
        box.HelpMessage = QStringLiteral("Enter the name of client to be scanned.");
        box.InputLength = 25;
        box.exec();
        if (box.Cancelled)
            return false;
        name = ToCp1252(box.InputValue);
        return true;
    }

    InsertAnswer AskInsertSheet(const std::string& name, std::string& file) override {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TRV Test Scan"),
                        InsertSheetText(FromCp1252(name)), QMessageBox::Ok | QMessageBox::Cancel, m_parent);
        box.setObjectName(QStringLiteral("InsertSheetPrompt"));
        QPushButton* fromFile = box.addButton(QStringLiteral("Scan from file..."), QMessageBox::AcceptRole);
        fromFile->setObjectName(QStringLiteral("cmdScanFromFile"));
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        ActivateAfterMessage();
        if (box.clickedButton() == fromFile) {
            QFileDialog dialog(
                m_parent, QStringLiteral("Scan from file"), QString::fromStdString(ProgramFolder()),
                QStringLiteral("Page images (*.png *.bmp *.pnm *.pbm *.pgm *.ppm *.tif *.tiff)"));
            dialog.setObjectName(QStringLiteral("ScanFileDialog"));
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            dialog.setFileMode(QFileDialog::ExistingFile);
            const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
            ActivateAfterMessage();
            if (!chosen)
                return InsertAnswer::Cancel;
            file = dialog.selectedFiles().constFirst().toStdString();
            return InsertAnswer::ScanFromFile;
        }
        return box.clickedButton() == box.button(QMessageBox::Ok) ? InsertAnswer::Scan : InsertAnswer::Cancel;
    }

    std::unique_ptr<PageSource> Source(const std::string& file) override {
        if (g_factory)
            return g_factory(file);
        if (!file.empty())
            return std::make_unique<ImageFileScanner>(file);
        std::vector<std::pair<std::string, std::string>> options;
        for (const QString& option :
             QString::fromStdString(ReadScannerOptionsSetting()).split(QLatin1Char(';'))) {
            const qsizetype eq = option.indexOf(QLatin1Char('='));
            if (eq > 0)
                options.emplace_back(option.left(eq).trimmed().toStdString(),
                                     option.mid(eq + 1).trimmed().toStdString());
        }
        return std::make_unique<SaneScanner>(ReadScannerSetting(), options);
    }

    Acquisition Acquire(PageSource& source) override {
        BusyPointer();
        Acquisition acquired = AcquireWithProgress(source, m_parent);
        NormalPointer();
        return acquired;
    }

    bool SaveRawPage(const ScanImage& page, std::string& error) override {
        QString why;
        if (SaveRawBitmap(page, QString::fromStdString(JoinPath(ProgramFolder(), RawPageFile)), why))
            return true;
        error = ToCp1252(why);
        return false;
    }

    void Show(const std::string& text, const std::string& title, bool critical) override {
        NormalPointer();
        MsgBox(FromCp1252(text), vbOKOnly | (critical ? vbCritical : 0), QString::fromStdString(title));
    }

    void HandOver(const std::string& name, const SheetScan& scan) override {
        NormalPointer();
        EditExisting = false;
        ScannedAnswers = true;
        Proceed = false;
        LastScanReview = {scan.sheet.doubts, scan.sheet.unreadAnswers};
        if (m_handOver)
            m_handOver(name, scan);
    }

private:
    void ActivateAfterMessage() {
        if (m_parent) {
            m_parent->activateWindow();
            m_parent->setFocus();
        }
    }

    QWidget* m_parent;
    const ScanHandOver& m_handOver;
};

} // namespace

QString InsertSheetText(const QString& name) {
    return QStringLiteral("Insert answer sheet for ") + name +
           QStringLiteral("\n(face down, top first) into scanner.");
}

void SetScanSourceFactory(ScanSourceFactory factory) {
    g_factory = std::move(factory);
}

void ScanAnswerSheet(QWidget* parent, const ScanHandOver& handOver) {
    WindowScanSteps steps(parent, handOver);
    RunAnswerSheetScan(steps, QuestionDatabasePath.empty() ? JoinPath(ProgramFolder(), "TARVOS.MDB")
                                                           : QuestionDatabasePath);
    NormalPointer();
}

namespace {
// Puts the sheet's client information and court history into the new client's slot.
void FillNewClientSlot(const std::string& name, const ScannedSheet& sheet) {
    CurrentClient = static_cast<int16_t>(ClientCount + 1);
    ClientRecord& slot = ClientTable[static_cast<std::size_t>(CurrentClient)];
    slot = ClientRecord{};
    slot.Name = name;
    slot.SSN = sheet.SSN;
    slot.Age = sheet.Age;
    slot.Gender = sheet.Gender;
    slot.Race = sheet.Race;
    slot.Marital = sheet.Marital;
    slot.Education = sheet.Education;
    slot.DateOfBirth = sheet.DateOfBirth;
    for (std::size_t k = 0; k < sheet.CourtHistory.size(); ++k)
        slot.CourtHistory[k] = sheet.CourtHistory[k];
}
} // namespace

RegistrationSteps ScanRegistrationSteps() {
    auto responses = std::make_shared<std::string>();
    RegistrationSteps steps;
    steps.answersFirst = [responses](QWidget* parent) {
        bool handedOver = false;
        ScanAnswerSheet(parent, [&](const std::string& name, const SheetScan& scan) {
            FillNewClientSlot(name, scan.sheet);
            *responses = scan.sheet.ScannedResponses;
            handedOver = true;
        });
        return handedOver;
    };
    steps.answers = [responses](QWidget* parent) {
        if (ClientRecord* slot = CurrentSlot())
            slot->Responses = *responses;
        return RunModalStep<frmNewEntry>(parent);
    };
    return steps;
}
