// The scale's address for the whole process.
#pragma once

// The dotted IPv4 address, at most 15 characters and a terminator. Written by the intro page and the
// address-entry page only while no worker runs; read by the connection check and the upload workers.
extern char g_szScaleAddress[16];
