#include "GuiFixture.h"

#include <QtTest>

GuiFixture::GuiFixture()
{
    dir.enter();
    mergerWindow.setProgressWindow(&progressWindow);
    mergerWindow.show();
}

QAction* GuiFixture::item(const char* name) const
{
    return mergerWindow.findChild<QAction*>(QString::fromLatin1(name));
}

void GuiFixture::trigger(const char* name)
{
    QAction* action = item(name);
    if (!action) QFAIL(qPrintable(QStringLiteral("no menu item %1").arg(QLatin1String(name))));
    action->trigger();
}

std::filesystem::path makeFolder(const GuiFixture& f, const std::string& name)
{
    std::filesystem::path p = f.dir / name;
    std::filesystem::create_directories(p);
    return p;
}

std::string crlfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}
