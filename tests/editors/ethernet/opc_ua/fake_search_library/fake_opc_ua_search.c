/* A stand-in for the external OPC UA search library "OPC_UA_Search", for the
 * tests: it exports the library's two functions with C linkage and answers
 * with fixed variables instead of browsing a server. It declares the records
 * itself, as an outside library would, in the natural layout of a 64-bit
 * C compiler, so that the tests check the configurator's side of the
 * contract.
 *
 * The server address chooses the answer:
 *   "opc.tcp://none"  no variable (count 0);
 *   "opc.tcp://many"  FAKE_MANY numbered Int16 variables "V0001" ..;
 *   anything else     the six variables of fill_fixed().
 * The first fixed variable echoes the server record it was given: its string
 * identifier is "address|user|password|certificate|key" and its namespace
 * index 100 * authorization + 10 * security type + security policy.
 *
 * The texts live in the library's memory and are overwritten with '#' when
 * the library is unloaded, so a caller that kept pointers instead of copies
 * shows it. Built with FAKE_WITHOUT_RETURN_VARIABLE, the library lacks
 * opcua_return_variable. */

#include <stdint.h>
#include <stdio.h>
#include <string.h>

typedef struct {
    const char* server_address;
    int32_t user_pass_auth_flag;
    const char* username;
    const char* password;
    const char* cert;
    const char* priv_key;
    int32_t security_type;
    int32_t security_policy;
} opcua_server_to_discover;

typedef struct {
    uint16_t nameSpaceIndex;
    uint16_t identifierType;
    uint32_t numeric;
    const char* stringname;
    uint32_t stringLength;
    uint32_t guide1;
    uint16_t guide2;
    uint16_t guide3;
    uint8_t guide4[8];
    const char* byteString;
    uint32_t byteStringLength;
    const char* displayName;
    uint32_t displayNameLength;
    int32_t dataType;
    uint8_t accessLevel;
    uint8_t spare[3];
} opcua_structure;

#define FAKE_MANY 1100
#define EXPORT __attribute__((visibility("default")))

static char echo[2048];
static char names[FAKE_MANY][8];
static char texts[4][32];
static int answer; /* 0 fixed, 1 none, 2 many */
static int32_t last_codes[3]; /* authorization, security type, security policy */

static const char* text_or_empty(const char* text) { return text != NULL ? text : ""; }

EXPORT int32_t opcua_client_begin(opcua_server_to_discover server)
{
    const char* address = text_or_empty(server.server_address);
    last_codes[0] = server.user_pass_auth_flag;
    last_codes[1] = server.security_type;
    last_codes[2] = server.security_policy;
    answer = strcmp(address, "opc.tcp://none") == 0 ? 1 : strcmp(address, "opc.tcp://many") == 0 ? 2 : 0;
    snprintf(echo, sizeof echo, "%s|%s|%s|%s|%s", address, text_or_empty(server.username),
             text_or_empty(server.password), text_or_empty(server.cert), text_or_empty(server.priv_key));
    strcpy(texts[0], "Counter");
    strcpy(texts[1], "Stamp");
    strcpy(texts[2], "BS-7");
    strcpy(texts[3], "Temp\xE9rature"); /* Windows-1252 e acute */
    if (answer == 1)
        return 0;
    if (answer == 2) {
        for (int i = 0; i < FAKE_MANY; ++i)
            snprintf(names[i], sizeof names[i], "V%04d", i + 1);
        return FAKE_MANY;
    }
    return 6;
}

static void fill_fixed(opcua_structure* r, int32_t index)
{
    switch (index) {
    case 0: /* the echo: a string node id */
        r->identifierType = 3;
        r->stringname = echo;
        r->stringLength = (uint32_t)strlen(echo);
        r->displayName = "Echo";
        r->dataType = 11;
        r->accessLevel = 1;
        break;
    case 1: /* a numeric id above 2^31 */
        r->nameSpaceIndex = 2;
        r->identifierType = 0;
        r->numeric = 4294967295u;
        r->displayName = texts[0];
        r->dataType = 5;
        r->accessLevel = 3;
        break;
    case 2: { /* a GUID id, write only */
        static const uint8_t tail[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        r->nameSpaceIndex = 1;
        r->identifierType = 4;
        r->guide1 = 0x12AB;
        r->guide2 = 0x1;
        r->guide3 = 0xFFFF;
        memcpy(r->guide4, tail, 8);
        r->displayName = texts[1];
        r->dataType = 12;
        r->accessLevel = 2;
        break;
    }
    case 3: /* a byte-string id, access level 0 */
        r->nameSpaceIndex = 3;
        r->identifierType = 5;
        r->byteString = texts[2];
        r->displayName = "Blob";
        r->dataType = 14;
        r->accessLevel = 0;
        break;
    case 4: /* unknown kind and type, no display name, other access bits */
        r->nameSpaceIndex = 65535;
        r->identifierType = 7;
        r->numeric = 9;
        r->displayName = NULL;
        r->dataType = 15;
        r->accessLevel = 4;
        break;
    default: /* an 8-bit display name */
        r->identifierType = 0;
        r->numeric = 7;
        r->displayName = texts[3];
        r->dataType = 9;
        r->accessLevel = 1;
        break;
    }
}

#ifndef FAKE_WITHOUT_RETURN_VARIABLE
EXPORT int32_t opcua_return_variable(opcua_structure* record, int32_t index)
{
    memset(record, 0, sizeof *record);
    if (answer == 2) {
        record->identifierType = 0;
        record->numeric = (uint32_t)index + 1000u;
        record->displayName = names[index];
        record->dataType = 3;
        record->accessLevel = 3;
        return 0;
    }
    fill_fixed(record, index);
    if (index == 0)
        record->nameSpaceIndex = (uint16_t)(100 * last_codes[0] + 10 * last_codes[1] + last_codes[2]);
    return 0;
}
#endif

__attribute__((destructor)) static void poison_texts(void)
{
    memset(echo, '#', sizeof echo - 1);
    memset(names, '#', sizeof names - 1);
    memset(texts, '#', sizeof texts - 1);
}
