// The tutorial, as the view runs it.
#include "shell/torvane_view.h"

void CTutorialDeleter::operator()(CTutorial* tutorial) const {
    // No tutorial state is ever made until the tutorial exists.
    (void)tutorial;
}

void CTorvaneView::StartOrQuitTutorial() {}

void CTorvaneView::ShowTutorialPage() {}

int CTorvaneView::OnTutorialMessage(int code) {
    (void)code;
    return 0;
}

void CTorvaneView::OfferTutorialOnFirstStart() {}
