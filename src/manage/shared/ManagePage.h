#pragma once
// Which of the rename, delete and copy pages a shared part works for, where
// the part holds what each page says its own way.

enum class ManagePage { Rename, Delete, Copy };
