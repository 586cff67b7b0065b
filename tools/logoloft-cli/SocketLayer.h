// Starting the socket layer once before a command talks to a printer over TCP.
#pragma once

// False (after saying why on stderr, as Logoloft's start does) when the layer cannot start.
bool StartSocketLayer();
