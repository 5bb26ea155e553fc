#pragma once

#include "ui/Platform.h"

class QMessageBox;

namespace ui {

// The program's boxes are never taller than the screen: each line of a box shows at most
// kBoxLineMax characters (cut with "…"), and the lines that do not fit the screen are left
// out for one line that counts them. Puts the text into the box, whose icon and buttons
// are set already.
inline constexpr qsizetype kBoxLineMax = 300;
void setBoxText(QMessageBox& box, const QString& text);

// The desktop implementation over Qt Widgets.
class QtPlatform final : public Platform {
public:
    // The program that opens files and addresses with the desktop's programs ("xdg-open");
    // another one stands in for it in tests.
    void setOpener(const QString& program);

    Button showNotice(QWidget* parent, const QString& text, const QString& caption,
                      int kind) override;
    void showMessage(QWidget* parent, const QString& text) override;
    std::optional<QString> inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& preset) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& defaultExtension, const QString& folder,
                         ui::SaveMode mode) override;
    QString folderName(QWidget* parent, const QString& caption, const QString& folder) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    int showModal(QDialog& dialog) override;
    bool setClipboardText(const QString& text) override;
    void playWave(const QString& path) override;
    void beep() override;
    std::unique_ptr<MediaPlayer> createMediaPlayer(MediaKind kind) override;
    QStringList cdDrives() override;
    bool driveHasMedium(const QString& drive) override;
    void sendToCompanion(const QString& command) override;
    bool openWithAssociatedProgram(const QString& pathOrUrl) override;
    bool moveToTrash(QWidget* parent, const QString& path) override;
    bool moveToTrashWithoutAsking(const QString& path) override;
    PrintOutcome printDocument(QWidget* parent, const QTextDocument& document,
                               const QString& title, const QString& pdfFileName, int copies,
                               const std::function<void(int)>& beforeCopy) override;

private:
    QString opener_ = QStringLiteral("xdg-open");
};

} // namespace ui
