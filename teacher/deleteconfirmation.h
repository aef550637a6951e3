#pragma once

// Asks "Delete record?" in the confirmation box; false only when the user cancels (or closes it).
bool confirmRecordDelete();
