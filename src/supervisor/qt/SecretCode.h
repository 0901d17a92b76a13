#pragma once
class QWidget;

// Asks for the supervisor's secret code until it is typed right (true) or the box is cancelled (false).
bool AskSecretCode(QWidget* parent = nullptr);
