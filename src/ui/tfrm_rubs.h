// "Rub karet": the card backs found in "images", one thumbnail below the other, and a preview
// of the chosen one. The dialog only chooses; the main window's menu applies the choice after
// OK, and "Zrušit" leaves the card back as it was.
#pragma once

#include <QDialog>
#include <QLabel>
#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QScrollArea;

// A card-back thumbnail: the picture of one file, stretched to 65 x 95, that tells the dialog
// when it is clicked.
class TRubs : public QLabel {
    Q_OBJECT

public:
    TRubs(std::string path, const QPixmap& picture, QWidget* parent);
    const std::string& path() const { return path_; }

signals:
    void chosen(const TRubs& thumbnail);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::string path_;  // as stored in the settings: "images\" and the file name
};

class Tfrm_rubs : public QDialog {
    Q_OBJECT

public:
    using ErrorSink = std::function<void(const QString& message)>;

    // Builds the list from the card backs in the current folder's "images"; a picture that
    // cannot be loaded is reported and left out.
    explicit Tfrm_rubs(ErrorSink onError, QWidget* parent = nullptr);

    // Before each opening: the choice starts as the card back in use, shown in the preview.
    void StartWith(const std::string& currentBack);
    const std::string& ChosenPath() const { return chosenPath_; }
    const std::vector<TRubs*>& Thumbnails() const { return thumbnails_; }

    QScrollArea* ScrollBox1;
    QLabel* Image1;  // the preview
    QPushButton *OKBtn, *CancelBtn;

private:
    void FormCreate();
    void ShowPreview(const QPixmap& picture);
    void ThumbnailClick(const TRubs& thumbnail);

    ErrorSink onError_;
    std::vector<TRubs*> thumbnails_;
    std::string chosenPath_;
};

// Loads a picture named the way the settings name files ("images\cportal.bmp", relative to the
// current folder). False, with the reason in `error`, when it cannot be loaded.
bool LoadStoredPicture(const std::string& storedPath, QPixmap& picture, QString& error);
