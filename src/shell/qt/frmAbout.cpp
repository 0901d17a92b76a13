#include "shell/qt/frmAbout.h"

#include "shell/qt/Logo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariantAnimation>

namespace {
int g_splashMs = 1500;
constexpr int LogoSize = 128;
} // namespace

void frmAbout::SetSplashDuration(int ms) {
    g_splashMs = ms;
}
int frmAbout::SplashDuration() {
    return g_splashMs;
}

frmAbout::frmAbout(bool splashMode, QWidget* parent)
    : TarvosDialog(parent, QStringLiteral("frmAbout"),
                   splashMode ? QStringLiteral("Initializing...") : QStringLiteral("About Tarvos")),
      m_splash(splashMode) {
    // Shown beside the main menu (the about box) or during the start-up (the splash), never modal.
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(20);
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(LogoSize, LogoSize);
    imgLogo->setPixmap(TarvosLogo(LogoSize, splashMode ? 0.0 : 1.0));
    layout->addWidget(imgLogo, 0, Qt::AlignTop);

    auto* text = new QVBoxLayout;
    auto* title = new QLabel(QStringLiteral("Tarvos"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    title->setFont(big);
    text->addWidget(title);
    for (const char* line : {"Version 1.0", "Self-report screening for adults under probation supervision:",
                             "registration, onscreen or answer-sheet testing, scoring and reports.", "",
                             "Published for probation offices by the Tarvos team."})
        text->addWidget(new QLabel(QString::fromUtf8(line), this));
    text->addStretch(1);
    const MenuChoice ok = AddMenuChoice(this, 0, QStringLiteral("OK"));
    text->addWidget(ok.ssp, 0, Qt::AlignRight);
    ok.ssp->setVisible(!splashMode);
    layout->addLayout(text);

    if (splashMode) {
        m_animation = new QVariantAnimation(this);
        m_animation->setStartValue(0.0);
        m_animation->setEndValue(1.0);
        connect(m_animation, &QVariantAnimation::valueChanged, this,
                [this](const QVariant& v) { imgLogo->setPixmap(TarvosLogo(LogoSize, v.toDouble())); });
        connect(m_animation, &QVariantAnimation::finished, this, [this] {
            m_finished = true;
            emit animationFinished();
        });
    } else {
        m_finished = true;
    }
}

void frmAbout::showEvent(QShowEvent* event) {
    TarvosDialog::showEvent(event);
    if (m_animation && m_animation->state() == QAbstractAnimation::Stopped && !m_finished) {
        if (g_splashMs > 0) {
            m_animation->setDuration(g_splashMs);
            m_animation->start();
        } else {
            imgLogo->setPixmap(TarvosLogo(LogoSize));
            m_finished = true;
            emit animationFinished();
        }
    }
    if (!m_splash)
        cmdMenuChoice[0]->setFocus();
}

void frmAbout::cmdMenuChoice_Click(int) {
    close();
}

bool frmAbout::CloseBox_Click() {
    return !m_splash || m_finished;
}
