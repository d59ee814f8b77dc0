#pragma once

class QLabel;

// Screen readers announce a label marked as an alert when it appears: it is
// reported with the accessible role of an alert message. Install once, after the
// application object exists, so the window's factory is asked before Qt's own.
void mark_asAlert(QLabel *label);
