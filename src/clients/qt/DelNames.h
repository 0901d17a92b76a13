#pragma once
// Name deletion with its dialogs: the warning, the scrambling of every readable name, the removal of
// the report copies that still hold names, and the closing message.
void DelNames();
