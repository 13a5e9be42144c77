// A DDE client that sends execute commands to a service.
#pragma once

#include <string>
#include <vector>

// Opens one conversation with `service` on the topic of the same name and
// sends each command, its terminating NUL included, as an execute
// transaction that waits at most `timeoutMs`. Failed transactions do not
// stop the later ones. Whether the server accepted each command, in order;
// empty when no server answered.
std::vector<bool> DdeExecuteAll(const char* service, const std::vector<std::string>& commands,
                                unsigned timeoutMs);
