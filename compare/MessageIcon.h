#pragma once

// The picture beside a message's text: a notice, or a warning that something failed.
enum class MessageIcon { Information, Exclamation };
