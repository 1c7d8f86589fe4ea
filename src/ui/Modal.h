#pragma once

class QWidget;

// Shows `fenster` as a window of its own over `haupt`, blocking only that window: nothing waits
// for it to close.
void modalUeber(QWidget& fenster, QWidget& haupt);
