#pragma once
#include "shell/qt/TarvosDialog.h"

class QLabel;
class QVariantAnimation;

// Product information with the logo. In splash mode (start-up) its title reads "Initializing...",
// the OK button is hidden and the logo animation plays once; start-up waits for it to finish.
class frmAbout : public TarvosDialog {
    Q_OBJECT
public:
    explicit frmAbout(bool splashMode, QWidget* parent = nullptr);

    bool AnimationFinished() const { return m_finished; }
    // Length of the splash animation in ms; tests and benchmarks shorten it, 0 leaves it out.
    static void SetSplashDuration(int ms);
    static int SplashDuration();

    QLabel* imgLogo;

    void cmdMenuChoice_Click(int index) override;

signals:
    void animationFinished();

protected:
    void showEvent(QShowEvent* event) override;
    // The splash cannot be closed; the about box closes as its OK button does.
    bool CloseBox_Click() override;

private:
    bool m_splash;
    bool m_finished = false;
    QVariantAnimation* m_animation = nullptr;
};
