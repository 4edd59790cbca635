// The file dialog wrapper: its filter text as the dialog's filters, where it
// starts, what it hands back on confirmation, and how a cancellation reaches
// the caller; the shared instance's position and button texts.
#include "manager_world.h"

#include "dialogs/file_filter.h"
#include "dialogs/mdl_cdlg.h"
#include "dialogs/tkd_common_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace managers_testing;

namespace {

TEST(FileFilter, PairsBecomeNamedFiltersWithTheirPatterns) {
    EXPECT_EQ(dialogs::nameFilters("Maps|*.map"), QStringList{"Maps (*.map)"});
    EXPECT_EQ(dialogs::nameFilters("Text files|*.txt|All|*.*"),
              (QStringList{"Text files (*.txt)", "All (*)"}));
    EXPECT_EQ(dialogs::nameFilters("Pictures|*.bmp;*.jpg"), QStringList{"Pictures (*.bmp *.jpg)"});
    EXPECT_EQ(dialogs::nameFilters(ru("Карты|*.map|Без пары")), QStringList{"Карты (*.map)"});
    EXPECT_TRUE(dialogs::nameFilters("").isEmpty());
}

// Presses the dialog's confirming button, as the designer would.
void confirm(QFileDialog& dialog) {
    auto* box = dialog.findChild<QDialogButtonBox*>();
    for (auto which : {QDialogButtonBox::Open, QDialogButtonBox::Save, QDialogButtonBox::Ok}) {
        if (box->button(which)) {
            box->button(which)->click();
            return;
        }
    }
}

// What the open dialog looked like, and what it was told to do.
struct Seen {
    bool open = false;
    QString directory;
    QStringList filters;
    QString selectedFilter;
    QString okText;
    QString cancelText;
    QPoint position;
    QString title;
};

class CommonDialog : public testing::Test {
protected:
    ~CommonDialog() override { mdlCdlg::ReleaseActiveDialog(); }

    // Runs `answer` on the file dialog as soon as it is open.
    void whenOpen(const std::function<void(QFileDialog&)>& answer) {
        QTimer::singleShot(0, [this, answer] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen.open = true;
            seen.directory = dialog->directory().absolutePath();
            seen.filters = dialog->nameFilters();
            seen.selectedFilter = dialog->selectedNameFilter();
            seen.okText = buttonText(*dialog, QDialogButtonBox::Ok, QDialogButtonBox::Open,
                                     QDialogButtonBox::Save);
            seen.cancelText = buttonText(*dialog, QDialogButtonBox::Cancel);
            seen.position = dialog->pos();
            seen.title = dialog->windowTitle();
            answer(*dialog);
        });
    }

    static QString buttonText(QFileDialog& dialog, QDialogButtonBox::StandardButton a,
                              QDialogButtonBox::StandardButton b = QDialogButtonBox::NoButton,
                              QDialogButtonBox::StandardButton c = QDialogButtonBox::NoButton) {
        auto* box = dialog.findChild<QDialogButtonBox*>();
        for (auto which : {a, b, c}) {
            if (which != QDialogButtonBox::NoButton && box->button(which))
                return box->button(which)->text();
        }
        return {};
    }

    ManagerWorld world;
    Seen seen;
};

TEST_F(CommonDialog, OpensInTheApplicationFolderAndHandsBackTheChosenFile) {
    world.write("notes.txt", "x");
    world.write("picture.bmp", "x");
    tkdCommonDialog& dialog = mdlCdlg::ActiveDialog();
    dialog.setFilter("Text files|*.txt|Pictures|*.bmp|All|*.*");
    dialog.setFilterIndex(2);
    dialog.setDialogTitle(ru("Выбор"));
    whenOpen([&](QFileDialog& d) {
        d.selectNameFilter(d.nameFilters()[2]);
        d.selectFile(QString::fromStdString((world.root().path() / "notes.txt").string()));
        confirm(d);
    });
    dialog.ShowOpen();
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.directory.toStdString(), world.root().path().string());
    EXPECT_EQ(seen.filters, (QStringList{"Text files (*.txt)", "Pictures (*.bmp)", "All (*)"}));
    EXPECT_TRUE(seen.selectedFilter.startsWith("Pictures")) << "FilterIndex 2 is the second pair";
    EXPECT_EQ(seen.title, "Выбор");
    EXPECT_EQ(dialog.FileName(), world.appFolder() + "notes.txt");
    EXPECT_EQ(dialog.FileTitle(), "notes.txt");
    EXPECT_EQ(dialog.FilterIndex(), 3) << "the pair chosen last";
}

TEST_F(CommonDialog, SavingAppendsTheDefaultExtensionToANameTypedWithoutOne) {
    tkdCommonDialog dialog;
    dialog.setDefaultExt("map");
    whenOpen([&](QFileDialog& d) {
        d.selectFile("forest");
        confirm(d);
    });
    dialog.ShowSave();
    EXPECT_EQ(dialog.FileName(), world.appFolder() + "forest.map");
    EXPECT_EQ(dialog.FileTitle(), "forest.map");
}

TEST_F(CommonDialog, TheSharedInstancesPositionAndButtonTextsAreApplied) {
    tkdCommonDialog& shared = mdlCdlg::ActiveDialog();
    shared.setLeft(40);
    shared.setTop(30);
    shared.setOKText(ru("Взять"));
    shared.setCancelText(ru("Не надо"));
    tkdCommonDialog other;
    whenOpen([](QFileDialog& d) { d.reject(); });
    other.ShowOpen();
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.position, QPoint(40, 30));
    EXPECT_EQ(seen.okText, "Взять");
    EXPECT_EQ(seen.cancelText, "Не надо");
}

TEST_F(CommonDialog, WithoutAPositionTheButtonTextsAreStillApplied) {
    tkdCommonDialog& shared = mdlCdlg::ActiveDialog();
    shared.setOKText("Go");
    whenOpen([](QFileDialog& d) { d.reject(); });
    shared.ShowSave();
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.okText, "Go");
    EXPECT_NE(seen.cancelText, "");
}

TEST_F(CommonDialog, ACancelledDialogLeavesTheNameAndRaisesOnlyWhenAsked) {
    tkdCommonDialog dialog;
    dialog.setFileName("kept.txt");
    whenOpen([](QFileDialog& d) { d.reject(); });
    EXPECT_NO_THROW(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName(), "kept.txt");
    EXPECT_EQ(dialog.FileTitle(), "");

    dialog.setCancelError(true);
    whenOpen([](QFileDialog& d) { d.reject(); });
    EXPECT_THROW(dialog.ShowOpen(), tkdCommonDialog::CancelledError);
    EXPECT_EQ(dialog.FileName(), "kept.txt");
}

TEST_F(CommonDialog, TheProposedNameIsKeptToItsLimit) {
    tkdCommonDialog dialog;
    dialog.setFileName(std::string(300, 'n'));
    EXPECT_EQ(dialog.FileName(), std::string(tkdCommonDialog::kMaxFileName, 'n'));
}

TEST_F(CommonDialog, TheSharedInstanceIsFreshAfterItWasReleased) {
    mdlCdlg::ActiveDialog().setOKText("Old");
    mdlCdlg::ReleaseActiveDialog();
    EXPECT_EQ(mdlCdlg::ActiveDialog().OKText(), "");
}

} // namespace
