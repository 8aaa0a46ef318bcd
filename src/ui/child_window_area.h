#pragma once
// The frame's work area (MDIClient): the child windows over the tiled background picture.

#include <QMdiArea>
#include <QString>
#include <functional>

#include "app/child_windows.h"

namespace mv52 {

class ChildWindowArea final : public QMdiArea {
public:
    ChildWindowArea(ChildWindowRegistry& registry, QWidget* parent);

    // Tiles the picture over the whole area, leaving out its outermost rows and columns so the
    // tiles meet without seams. False, with a plain background, when it cannot be loaded.
    bool setBackgroundPicture(const QString& path);

    // Shows `content` as the child window `name` and puts the keyboard focus in its main
    // control: the content's focus proxy when it names one, else its first control in tab
    // order. `commit` (may be empty) writes a pending edit into the document.
    ChildWindow* addChild(const QString& name, QWidget* content, std::function<void(QWidget*)> commit);

private:
    ChildWindowRegistry& registry_;
};

}  // namespace mv52
