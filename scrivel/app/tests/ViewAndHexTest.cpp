// The view options with status panel 1, the hex window, showing the other
// windows, and the main window's sizes.

#include "ViewAndHexTest.h"

#include <QTest>

#include "GuiFixture.h"

namespace scrivel::app::testing {

void ViewAndHexTest::viewTogglesByShortcut()
{
    GuiFixture f;
    f.openRom();
    GuiFixture::activate(f.form.get());
    f.form->stringListBox->setFocus();
    QTest::keyClick(f.form->stringListBox, Qt::Key_Down);  // string 1 holds control codes
    f.settle();
    const QImage codesShown = f.videoPicture();

    QTest::keyClick(f.form.get(), Qt::Key_H, Qt::ControlModifier);
    f.settle();
    QVERIFY(f.form->menu.hideCodes->isChecked());
    QVERIFY(f.form->state().checks.hideCodes);
    QCOMPARE(f.form->statusText(1), QStringLiteral("Control Codes: Hidden | VWF: Inactive"));
    const QImage codesHidden = f.videoPicture();
    QVERIFY(codesHidden != codesShown);

    QTest::keyClick(f.form.get(), Qt::Key_U, Qt::ControlModifier);
    f.settle();
    QVERIFY(f.form->menu.variableWidth->isChecked());
    QCOMPARE(f.form->statusText(1), QStringLiteral("Control Codes: Hidden | VWF: Active"));
    QVERIFY(f.videoPicture() != codesHidden);

    QTest::keyClick(f.form.get(), Qt::Key_U, Qt::ControlModifier);
    QTest::keyClick(f.form.get(), Qt::Key_H, Qt::ControlModifier);
    f.settle();
    QVERIFY(!f.form->menu.hideCodes->isChecked());
    QVERIFY(!f.form->menu.variableWidth->isChecked());
    QCOMPARE(f.form->statusText(1), QStringLiteral("Control Codes: Visible | VWF: Inactive"));
    QCOMPARE(f.videoPicture(), codesShown);
}

void ViewAndHexTest::togglesBeforeAnyRom()
{
    GuiFixture f;
    f.form->menu.variableWidth->trigger();
    f.settle();
    QVERIFY(f.form->menu.variableWidth->isChecked());
    QCOMPARE(f.form->statusText(1), QStringLiteral("Control Codes: Visible | VWF: Active"));
    QCOMPARE(f.videoPicture().pixelColor(100, 100), QColor(Qt::black));
    QCOMPARE(f.form->hexWindow->windowTitle(), QStringLiteral("Hex Data"));
}

void ViewAndHexTest::hexWindowKeysAndCaption()
{
    GuiFixture f;
    f.openRom();
    HexWindow* hex = f.form->hexWindow.get();
    editor::HexModel& model = f.form->hexModel();
    QCOMPARE(hex->windowTitle(), QStringLiteral("Hex Data - $001A9000"));
    QCOMPARE(model.rows, 9);

    QTest::keyClick(hex, Qt::Key_Right);
    QCOMPARE(model.cursorColumn, 1);
    QCOMPARE(hex->windowTitle(), QStringLiteral("Hex Data - $001A9001"));
    QTest::keyClick(hex, Qt::Key_Left);
    QTest::keyClick(hex, Qt::Key_Left);  // from the first cell to column 15
    QCOMPARE(model.cursorColumn, 15);
    QCOMPARE(model.cursorRow, 0);
    QCOMPARE(model.topOffset, 0);
    // Past the string's end the caption stays at its closing 0xFF.
    QCOMPARE(hex->windowTitle(), QStringLiteral("Hex Data - $001A9007"));
    QTest::keyClick(hex, Qt::Key_A);  // other keys do nothing
    QCOMPARE(model.cursorColumn, 15);

    for (int i = 0; i < 8; ++i) QTest::keyClick(hex, Qt::Key_Down);
    QCOMPARE(model.cursorRow, 8);
    QTest::keyClick(hex, Qt::Key_Right);  // column 15 of the bottom row: the grid advances
    QCOMPARE(model.cursorColumn, 0);
    QCOMPARE(model.cursorRow, 8);
    QCOMPARE(model.topOffset, 16);
    QTest::keyClick(hex, Qt::Key_Up);
    QCOMPARE(model.cursorRow, 7);

    // The cursor keeps its cell for the next string.
    f.form->stringListBox->setCurrentRow(2);
    f.settle();
    QCOMPARE(model.topOffset, 0);
    QCOMPARE(model.cursorRow, 7);
    QCOMPARE(hex->windowTitle(), QStringLiteral("Hex Data - $001A9085"));
}

void ViewAndHexTest::hexWindowDrawsGridAndGlyph()
{
    GuiFixture f;
    f.openRom();
    HexWindow* hex = f.form->hexWindow.get();
    const QImage shot = hex->grab().toImage();
    // The cursor cell has a white background, the splitter is white, and
    // the other cells are black behind their digits.
    QCOMPARE(shot.pixelColor(1, 1), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(256, 70), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(257, 70), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(255, 70), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(100, 140), QColor(Qt::black));
    // Teal digits in the first column, white ones in the second.
    bool teal = false, white = false;
    for (int y = 15; y < 30; ++y)
        for (int x = 0; x < 32; ++x) {
            const QColor c = shot.pixelColor(x, y);
            teal |= c == QColor(0x00, 0x80, 0x80);
            white |= x >= 16 && c == QColor(Qt::white);
        }
    QVERIFY(teal);
    QVERIFY(white);
    // The glyph picture: each of its 16 x 16 pixels is stretched over the
    // rectangle (264,4)-(390,128), white where the glyph is set.
    const QImage& glyph = hex->glyphBitmap();
    QCOMPARE(glyph.size(), QSize(16, 16));
    int set = 0;
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c) {
            const bool on = glyph.pixelColor(c, r) == QColor(Qt::white);
            set += on;
            const QPoint centre(264 + (c * 126 + 63) / 16, 4 + (r * 124 + 62) / 16);
            QCOMPARE(shot.pixelColor(centre) == QColor(Qt::white), on);
        }
    QVERIFY(set > 0);
    QCOMPARE(shot.pixelColor(388, 135), QColor(Qt::black));
}

void ViewAndHexTest::ctrlXShowsHexOnlyInMainWindow()
{
    GuiFixture f;
    f.openRom();
    f.form->hexWindow->close();
    QVERIFY(!f.form->hexWindow->isVisible());

    // In the text editor Ctrl+X cuts.
    GuiFixture::activate(f.form->textEditorWindow.get());
    f.memo().setFocus();
    f.memo().selectAll();
    QTest::keyClick(&f.memo(), Qt::Key_X, Qt::ControlModifier);
    f.settle();
    QVERIFY(!f.form->hexWindow->isVisible());
    QCOMPARE(f.memo().lineCount(), 0);

    GuiFixture::activate(f.form.get());
    QTest::keyClick(f.form.get(), Qt::Key_X, Qt::ControlModifier);
    f.settle();
    QVERIFY(f.form->hexWindow->isVisible());
    QCOMPARE(f.form->hexWindow->windowTitle(), QStringLiteral("Hex Data - $001A9000"));
}

void ViewAndHexTest::displayTextEditorBringsItBack()
{
    GuiFixture f;
    f.openRom();
    QTest::keyClicks(&f.memo(), "kept");
    const std::string text = f.memo().text();
    f.form->textEditorWindow->close();
    QVERIFY(!f.form->textEditorWindow->isVisible());
    QVERIFY(f.form->isVisible());
    f.form->menu.showTextEditor->trigger();
    QVERIFY(f.form->textEditorWindow->isVisible());
    QCOMPARE(f.memo().text(), text);
    QVERIFY(f.memo().modified());
}

void ViewAndHexTest::defaultWindowSizeAndListHeights()
{
    GuiFixture f;
    MainWindow& vo = *f.form;
    const QSize start = vo.size();
    vo.resize(700, 620);
    f.settle();
    QCOMPARE(vo.screenWidget->height(), 620 - (start.height() - 369));
    QCOMPARE(vo.blockListBox->height(), (vo.screenWidget->height() - 6) >> 1);
    QCOMPARE(vo.stringListBox->height(), (vo.screenWidget->height() - 6) >> 1);
    QCOMPARE(vo.blockListBox->y(), vo.listPanel->height() - vo.stringListBox->geometry().bottom() - 1);
    QCOMPARE(vo.blockListBox->width(), 114);

    GuiFixture::activate(&vo);
    QTest::keyClick(&vo, Qt::Key_W, Qt::ControlModifier);
    f.settle();
    QCOMPARE(vo.size(), vo.defaultSize());
    QCOMPARE(vo.size(), start);
    QCOMPARE(vo.screenWidget->size(), QSize(320, 369));
    QCOMPARE(vo.blockListBox->height(), 181);
    QCOMPARE(vo.stringListBox->height(), 181);
}

void ViewAndHexTest::resizingNeverTouchesScreenBuffer()
{
    GuiFixture f;
    f.openRom();
    const std::vector<uint16_t> buffer = f.form->state().rendered.picture.pixels;
    const QImage bitmap = f.form->screenWidget->bitmap();
    f.form->resize(800, 700);
    f.settle();
    f.form->screenWidget->repaint();
    f.form->hexWindow->close();
    f.form->menu.showHexData->trigger();
    f.settle();
    QVERIFY(f.form->state().rendered.picture.pixels == buffer);
    QCOMPARE(f.form->screenWidget->bitmap(), bitmap);
    // The same picture, stretched over the larger screen.
    const QImage shown = f.videoPicture();
    QCOMPARE(shown.size(), f.form->screenWidget->size());
    QCOMPARE(shown.pixelColor(shown.width() - 1, shown.height() - 1),
             bitmap.pixelColor(bitmap.width() - 1, bitmap.height() - 1));
}

}  // namespace scrivel::app::testing
