#pragma once

#include <filesystem>
#include <memory>

#include <QWidget>

#include "core/common/result.h"
#include "core/editor/copy_between.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace dorvane {

class ChannelDataDocument;
class ReceiverDatabase;

// A second channel-data file beside the one being edited, read-only: its
// satellites with their transponders and channels, and its favourite
// groups, as a tree to choose records from. "Copy" (or a drag onto the
// editor's lists) copies the chosen ones into the edited file.
class CopySourcePanel : public QWidget {
    Q_OBJECT
public:
    // The drag's data format; its content is not read (the drop takes the
    // panel's current choice).
    static constexpr const char* kMimeType = "application/x-dorvane-copy-records";

    explicit CopySourcePanel(QWidget* parent = nullptr);
    ~CopySourcePanel() override;

    // Reads and lists the file; on a failure the panel keeps what it held.
    Status open(const std::filesystem::path& path);
    // The file's database; nullptr before a file was opened.
    const ReceiverDatabase* database() const;
    std::filesystem::path path() const;
    // The records chosen in the tree.
    CopySelection selection() const;

    QTreeWidget* tree() const { return tree_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* closeButton() const { return close_; }

signals:
    void copyRequested();
    void closeRequested();

private:
    void fill();
    void updateCopyButton();

    std::unique_ptr<ChannelDataDocument> document_;
    bool opened_ = false;
    QLabel* title_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace dorvane
