#pragma once

// Delivery of a skin message to every form and everything on it, hidden forms included.

class QObject;

// Sends the message to every form in creation order. A failure on one form is swallowed so that
// the others still hear of the change.
void deliverToAllForms(unsigned message, QObject* manager);
