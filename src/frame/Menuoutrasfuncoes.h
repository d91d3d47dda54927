// Other-functions menu.
#pragma once

// True when at least one option of the other-functions menu would be enabled.
bool VerificaBotaoOutrasFuncoesHabilitadas();
